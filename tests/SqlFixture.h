#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// Small databases for tests, built through the schema function and plain SQL.
void CreateQuimbelsDatabase(const QString& path = QStringLiteral("Quimbels.mdb"));
void ExecSql(const QString& path, const QString& sql);
// The rows of a query as lists of raw SQLite values, for checking what the file holds.
QList<QVariantList> QuerySql(const QString& path, const QString& sql);
