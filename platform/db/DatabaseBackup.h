#pragma once

#include <QString>

struct sqlite3;

// Copies the database open on `source` into a new file at `targetPath`, consistent even while
// the connection has data sets open and holding what it committed last. The file appears whole
// or not at all: the copy is made beside the target and then given its name, and an existing
// file is never replaced. Every failure is an EDatabaseError.
void BackupDatabase(sqlite3* source, const QString& targetPath);
