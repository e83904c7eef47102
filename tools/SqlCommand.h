#pragma once

#include <QString>

class QTextStream;

// Runs one SELECT in the Jet dialect on the database of the current folder, through the same
// connection and query as the program, and writes the column names then each row, tab-separated,
// every value as the program displays it.
int RunSqlCommand(const QString& statement, QTextStream& out, QTextStream& err);
