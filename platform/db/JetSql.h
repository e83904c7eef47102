#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

// A SELECT statement in the Jet dialect turned into SQLite text with every literal bound
// as a parameter, so that no value can change the statement.
struct TTranslatedSql {
    QString Sql;
    QVariantList Parameters;
};

// How the translator learns a column's declared type ("TEXT(50)", "DATETIME", "CURRENCY",
// "INTEGER"...) from its table and column names; an empty answer means unknown.
using TColumnTypeLookup = std::function<QString(const QString& table, const QString& column)>;

// Throws EDatabaseError quoting the statement when it cannot be read.
TTranslatedSql TranslateJetSelect(const QString& jetSql, const TColumnTypeLookup& columnType, int currentYear);
