#include "SqlFixture.h"

#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <sqlite3.h>
#include <stdexcept>

void CreateQuimbelsDatabase(const QString& path) { CreateEmptyDatabase(path); }

namespace {

sqlite3* OpenRaw(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("fixture: cannot open " + path.toStdString());
    }
    return db;
}

} // namespace

void ExecSql(const QString& path, const QString& sql) {
    sqlite3* db = OpenRaw(path);
    char* message = nullptr;
    const int code = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    const std::string text = message != nullptr ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (code != SQLITE_OK)
        throw std::runtime_error("fixture: " + text);
}

QList<QVariantList> QuerySql(const QString& path, const QString& sql) {
    sqlite3* db = OpenRaw(path);
    sqlite3_stmt* stmt = nullptr;
    QList<QVariantList> rows;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("fixture: cannot prepare " + sql.toStdString());
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QVariantList row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                row << static_cast<qint64>(sqlite3_column_int64(stmt, i));
                break;
            case SQLITE_FLOAT:
                row << sqlite3_column_double(stmt, i);
                break;
            case SQLITE_NULL:
                row << QVariant();
                break;
            default:
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
            }
        }
        rows << row;
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

QString Shell(const QString& path, const QString& sql) {
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {path, sql});
    if (!shell.waitForFinished(30000) || shell.exitCode() != 0)
        return QStringLiteral("shell failed: ") + QString::fromUtf8(shell.readAllStandardError());
    return QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
}

QStringList FolderFiles(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
