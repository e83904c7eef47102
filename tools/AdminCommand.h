#pragma once

#include <QStringList>

class QTextStream;

// Exit codes of quimbels-admin.
enum TAdminExitCode { AdminDone = 0, AdminFailed = 1, AdminUsageError = 2 };

// Runs the command named by the program's arguments (its own name left out). Results go to
// out; failures and usage mistakes go to err, in French.
int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
