#include "platform/ui/Application.h"

#include "platform/Error.h"
#include "platform/ui/Dialogs.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EQuimbelsError& error) {
        ShowException(error.Text());
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QStringLiteral("Une erreur inattendue s'est produite."));
    }
    return false;
}

void ShowException(const QString& text) {
    MessageBox(QApplication::activeWindow(), text, QApplication::applicationDisplayName(), TMsgDlgType::Error,
               mbOK);
}
