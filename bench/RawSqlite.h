#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The baselines talk to SQLite with nothing in between, so that each figure of the engine
// can be read against the floor the file itself sets.
class TRawDatabase {
public:
    explicit TRawDatabase(const QString& path);
    ~TRawDatabase();
    TRawDatabase(const TRawDatabase&) = delete;
    TRawDatabase& operator=(const TRawDatabase&) = delete;

    sqlite3* Handle() const { return FDb; }
    void Execute(const char* sql);

private:
    sqlite3* FDb = nullptr;
};

// A statement prepared once and run many times. Texts are bound without a copy: the caller
// keeps them alive until the statement is reset.
class TRawStatement {
public:
    TRawStatement(const TRawDatabase& database, const char* sql);
    ~TRawStatement();
    TRawStatement(const TRawStatement&) = delete;
    TRawStatement& operator=(const TRawStatement&) = delete;

    int ParameterCount() const;
    void Bind(int index, qint64 value);
    void Bind(int index, const QByteArray& text);
    void BindNull(int index);
    bool Step();
    void Reset();
    qint64 Integer(int column) const;
    QString Text(int column) const;
    // Steps through every row and reads each of its values, as a caller that uses the rows
    // would; returns the number of rows. Leaves the statement reset.
    int ReadAll();

private:
    void Check(int code) const;

    sqlite3* FDb;
    sqlite3_stmt* FStmt = nullptr;
};
