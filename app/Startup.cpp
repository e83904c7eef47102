#include "app/Startup.h"

#include "about/AboutDlg.h"
#include "app/Quimbels.h"
#include "data/QuimbelDataModule.h"
#include "platform/Error.h"
#include "platform/os/SingleInstanceLock.h"
#include "platform/ui/Application.h"
#include "reports/ReportClientDlg.h"
#include "reports/ReportPeriodDlg.h"
#include "reports/ReportRoomDlg.h"
#include "statements/ReportBilanDlg.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

TQuimbelsObjects::TQuimbelsObjects() = default;

TQuimbelsObjects::~TQuimbelsObjects() { Release(); }

// The windows go before the data module: their grids and reports are bound to its data sets.
void TQuimbelsObjects::Release() {
    FormReportBilan.reset();
    FormAboutDlg.reset();
    FormMainQuimbel.reset();
    FormReportPeriod.reset();
    FormReportRoom.reset();
    FormReportClient.reset();
    DataModule.reset();
}

namespace {

void CreateInOrder(TQuimbelsObjects& objects) {
    objects.FormMainQuimbel = std::make_unique<TFormMainQuimbel>();
    objects.FormReportClient = std::make_unique<TFormReportClient>();
    FormReportClient = objects.FormReportClient.get();
    objects.FormReportRoom = std::make_unique<TFormReportRoom>();
    FormReportRoom = objects.FormReportRoom.get();
    objects.FormReportPeriod = std::make_unique<TFormReportPeriod>();
    FormReportPeriod = objects.FormReportPeriod.get();
    objects.DataModule = std::make_unique<TDataModuleQuimbel>();
    DataModuleQuimbel = objects.DataModule.get();
    // The windows made before the data module are bound to its data sets as soon as it exists.
    objects.FormMainQuimbel->ConnectDataModule(DataModuleQuimbel);
    FormReportClient->ConnectDataModule(DataModuleQuimbel);
    FormReportRoom->ConnectDataModule(DataModuleQuimbel);
    FormReportPeriod->ConnectDataModule(DataModuleQuimbel);
    objects.FormAboutDlg = std::make_unique<TFormAboutDlg>();
    FormAboutDlg = objects.FormAboutDlg.get();
    objects.FormReportBilan = std::make_unique<TFormReportBilan>();
    FormReportBilan = objects.FormReportBilan.get();
    FormReportBilan->ConnectDataModule(DataModuleQuimbel);
}

} // namespace

bool CreateQuimbelsObjects(TQuimbelsObjects& objects) {
    QString failure;
    try {
        CreateInOrder(objects);
        return true;
    } catch (const EQuimbelsError& error) {
        failure = error.Text();
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    ShowException(failure);
    objects.Release();
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

    TQuimbelsObjects objects;
    if (CreateQuimbelsObjects(objects)) {
        objects.FormMainQuimbel->show();
        application.exec();
    }
    return 0;
}
