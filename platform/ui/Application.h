#pragma once

#include <QApplication>

// The application object: an exception thrown by any event handler ends at the standard error
// display instead of leaving through Qt, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard error display: the error's text in a message box with a stop icon, captioned with
// the application's display name. Start-up code uses it before the event loop runs.
void ShowException(const QString& text);
