#include "bench/RawSqlite.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace {

[[noreturn]] void Fail(sqlite3* db, int code) {
    throw std::runtime_error(std::string("SQLite: ") +
                             (db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code)));
}

} // namespace

TRawDatabase::TRawDatabase(const QString& path) {
    const int code =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &FDb, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_close_v2(FDb);
        Fail(nullptr, code);
    }
}

TRawDatabase::~TRawDatabase() {
    sqlite3_close_v2(FDb);
}

void TRawDatabase::Execute(const char* sql) {
    const int code = sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        Fail(FDb, code);
}

TRawStatement::TRawStatement(const TRawDatabase& database, const char* sql) : FDb(database.Handle()) {
    Check(sqlite3_prepare_v2(FDb, sql, -1, &FStmt, nullptr));
}

TRawStatement::~TRawStatement() {
    sqlite3_finalize(FStmt);
}

void TRawStatement::Check(int code) const {
    if (code != SQLITE_OK)
        Fail(FDb, code);
}

int TRawStatement::ParameterCount() const {
    return sqlite3_bind_parameter_count(FStmt);
}

void TRawStatement::Bind(int index, qint64 value) {
    Check(sqlite3_bind_int64(FStmt, index, value));
}

void TRawStatement::Bind(int index, const QByteArray& text) {
    Check(sqlite3_bind_text(FStmt, index, text.constData(), static_cast<int>(text.size()), SQLITE_STATIC));
}

void TRawStatement::BindNull(int index) {
    Check(sqlite3_bind_null(FStmt, index));
}

bool TRawStatement::Step() {
    const int code = sqlite3_step(FStmt);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE) {
        sqlite3_reset(FStmt);
        Fail(FDb, code);
    }
    return false;
}

void TRawStatement::Reset() {
    sqlite3_reset(FStmt);
}

qint64 TRawStatement::Integer(int column) const {
    return sqlite3_column_int64(FStmt, column);
}

QString TRawStatement::Text(int column) const {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(FStmt, column)),
                             sqlite3_column_bytes(FStmt, column));
}

int TRawStatement::ReadAll() {
    const int columns = sqlite3_column_count(FStmt);
    int rows = 0;
    while (Step()) {
        ++rows;
        for (int column = 0; column < columns; ++column) {
            if (sqlite3_column_type(FStmt, column) == SQLITE_TEXT) {
                const unsigned char* text = sqlite3_column_text(FStmt, column);
                benchmark::DoNotOptimize(text);
            } else {
                const sqlite3_int64 number = sqlite3_column_int64(FStmt, column);
                benchmark::DoNotOptimize(number);
            }
        }
    }
    Reset();
    return rows;
}
