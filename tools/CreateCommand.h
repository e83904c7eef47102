#pragma once

#include <QString>

class QTextStream;

// Creates the database file at path, filled with the demonstration business when demo is set.
// An existing file is never touched; a failed demonstration fill leaves no file behind.
int RunCreateCommand(const QString& path, bool demo, QTextStream& out, QTextStream& err);
