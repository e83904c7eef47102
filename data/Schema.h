#pragma once

#include <QString>

// Creates a new, empty database file with the three tables and their indexes. The file appears
// whole or not at all, and an existing file is never replaced (EDatabaseError).
void CreateEmptyDatabase(const QString& path);

// The statements that create the tables and indexes, for tools and tests that build a
// database in another way.
QString DatabaseSchemaSql();
