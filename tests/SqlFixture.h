#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Small databases for tests, built through the schema function and plain SQL.
void CreateQuimbelsDatabase(const QString& path = QStringLiteral("Quimbels.mdb"));
void ExecSql(const QString& path, const QString& sql);
// The rows of a query as lists of raw SQLite values, for checking what the file holds.
QList<QVariantList> QuerySql(const QString& path, const QString& sql);
// What the stock sqlite3 shell prints for a query on a file.
QString Shell(const QString& path, const QString& sql);
// Every file of a folder, hidden ones included, by name.
QStringList FolderFiles(const QString& folder = QStringLiteral("."));
