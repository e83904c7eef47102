#include "platform/db/SqliteStatement.h"

#include "platform/Error.h"

#include <sqlite3.h>

QString SqliteErrorText(sqlite3* db, int code) {
    const QString engine = db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
    QString text;
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = QStringLiteral("La base de données est verrouillée par un autre programme. Fermez-le puis recommencez.");
        break;
    case SQLITE_READONLY:
        text = QStringLiteral("La base de données est en lecture seule : la modification n'a pas été enregistrée.");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        text = QStringLiteral("La base de données est endommagée.");
        break;
    case SQLITE_FULL:
        text = QStringLiteral("Le disque est plein : la modification n'a pas été enregistrée.");
        break;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        text = QStringLiteral("La base de données ne peut pas être lue ou écrite.");
        break;
    case SQLITE_CONSTRAINT:
        text = QStringLiteral("La modification est refusée par une contrainte de la base de données.");
        break;
    default:
        text = QStringLiteral("Erreur de la base de données.");
        break;
    }
    return text + QStringLiteral(" (") + engine + QLatin1Char(')');
}

void ThrowSqliteError(sqlite3* db, int code) { throw EDatabaseError(SqliteErrorText(db, code)); }

TSqliteStatement::TSqliteStatement(sqlite3* db, const QString& sql) : FDb(db), FSql(sql) {
    const QByteArray text = sql.toUtf8();
    const int code = sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &FStmt, nullptr);
    if (code != SQLITE_OK)
        ThrowSqliteError(db, code);
}

TSqliteStatement::~TSqliteStatement() { sqlite3_finalize(FStmt); }

void TSqliteStatement::Bind(int index, const QVariant& value) {
    int code = SQLITE_OK;
    if (value.isNull()) {
        code = sqlite3_bind_null(FStmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Bool:
            code = sqlite3_bind_int64(FStmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            code = sqlite3_bind_double(FStmt, index, value.toDouble());
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            code = sqlite3_bind_text(FStmt, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (code != SQLITE_OK)
        ThrowSqliteError(FDb, code);
}

bool TSqliteStatement::Step() {
    const int code = sqlite3_step(FStmt);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    sqlite3_reset(FStmt);
    ThrowSqliteError(FDb, code);
}

void TSqliteStatement::Reset() {
    sqlite3_reset(FStmt);
    sqlite3_clear_bindings(FStmt);
}

int TSqliteStatement::ColumnCount() const { return sqlite3_column_count(FStmt); }

QString TSqliteStatement::ColumnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(FStmt, column));
}

QString TSqliteStatement::ColumnDeclaredType(int column) const {
    return QString::fromUtf8(sqlite3_column_decltype(FStmt, column));
}

qint64 TSqliteStatement::ColumnInteger(int column) const { return sqlite3_column_int64(FStmt, column); }

QVariant TSqliteStatement::ColumnValue(int column) const {
    switch (sqlite3_column_type(FStmt, column)) {
    case SQLITE_INTEGER:
        return static_cast<qint64>(sqlite3_column_int64(FStmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(FStmt, column);
    case SQLITE_NULL:
        return {};
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(FStmt, column)),
                                 sqlite3_column_bytes(FStmt, column));
    }
}
