#include "app/Startup.h"

#include "app/Quimbels.h"
#include "data/QuimbelDataModule.h"
#include "platform/Error.h"
#include "platform/os/SingleInstanceLock.h"
#include "platform/ui/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

bool CreateQuimbelsObjects(QObject* owner, TQuimbelsObjects& objects) {
    try {
        objects.FormMainQuimbel = new TFormMainQuimbel();
        objects.FormMainQuimbel->setAttribute(Qt::WA_DeleteOnClose, false);
        QObject::connect(owner, &QObject::destroyed, objects.FormMainQuimbel, &QObject::deleteLater);
        objects.DataModule = new TDataModuleQuimbel(owner);
        DataModuleQuimbel = objects.DataModule;
        objects.FormMainQuimbel->ConnectDataModule(objects.DataModule);
        return true;
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    }
    delete objects.FormMainQuimbel;
    objects = TQuimbelsObjects();
    return false;
}

int RunQuimbels(int argc, char** argv) {
    TSingleInstanceLock instance(QStringLiteral("QUIMBEL_APPLI"));
    if (!instance.Acquire())
        return 0;

    TApplication application(argc, argv);
    // Qt has set the C locale from the environment; numbers in C code keep the point.
    std::setlocale(LC_NUMERIC, "C");
    application.setApplicationDisplayName(QStringLiteral("Vorandel"));
    application.setApplicationName(QStringLiteral("Quimbels"));
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTranslations);

    QObject owner;
    TQuimbelsObjects objects;
    if (CreateQuimbelsObjects(&owner, objects)) {
        objects.FormMainQuimbel->show();
        application.exec();
    }
    delete objects.FormMainQuimbel;
    return 0;
}
