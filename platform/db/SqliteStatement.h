#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement; every failure becomes an EDatabaseError with a French text.
class TSqliteStatement {
public:
    TSqliteStatement(sqlite3* db, const QString& sql);
    ~TSqliteStatement();
    TSqliteStatement(const TSqliteStatement&) = delete;
    TSqliteStatement& operator=(const TSqliteStatement&) = delete;

    // Binds a null, a text, a 64-bit integer or a double (by the variant's type) at 1-based index.
    void Bind(int index, const QVariant& value);
    // Steps once: true while a row is available.
    bool Step();
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    QString ColumnDeclaredType(int column) const;
    QVariant ColumnValue(int column) const;
    qint64 ColumnInteger(int column) const;

private:
    sqlite3* FDb;
    sqlite3_stmt* FStmt = nullptr;
    QString FSql;
};

// The French text for an SQLite failure, with the engine's own words after it.
QString SqliteErrorText(sqlite3* db, int code);
[[noreturn]] void ThrowSqliteError(sqlite3* db, int code);
