#include "tools/AdminCommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Qt has switched every C locale category to the user's; numbers are formatted by QLocale only.
    std::setlocale(LC_NUMERIC, "C");
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunAdminCommand(arguments, out, err);
}
