#include "platform/db/Table.h"

#include "platform/Error.h"
#include "platform/db/Connection.h"
#include "platform/db/FieldTypes.h"
#include "platform/db/SqliteStatement.h"

#include <sqlite3.h>

namespace {

QString Quoted(const QString& identifier) {
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QString TADOTable::QuotedTable() const { return Quoted(FTableName); }

void TADOTable::DoOpen(std::vector<TRecordBuffer>& records) {
    if (FConnection == nullptr)
        throw EDatabaseError(QStringLiteral("La table « %1 » n'a pas de connexion.").arg(FTableName));
    FConnection->Open();
    sqlite3* db = FConnection->Handle();

    QStringList columns;
    QStringList declaredTypes;
    {
        TSqliteStatement info(db, QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
        info.Bind(1, FTableName);
        while (info.Step()) {
            columns << info.ColumnValue(0).toString();
            declaredTypes << info.ColumnValue(1).toString();
        }
    }
    if (columns.isEmpty())
        throw EDatabaseError(QStringLiteral("La table « %1 » est introuvable dans la base de données.").arg(FTableName));

    if (!HasDeclaredFields()) {
        for (int i = 0; i < columns.size(); ++i) {
            const TColumnType type = ColumnTypeFromDeclared(declaredTypes[i]);
            AddDynamicField(columns[i], type.Type, type.Size);
        }
    }
    // Each data field is read from the column of its name, wherever the file places it.
    QStringList selected{QStringLiteral("rowid")};
    for (int i = 0; i < FieldCount(); ++i) {
        if (Field(i)->FieldKind() != TFieldKind::Data)
            continue;
        if (!columns.contains(Field(i)->FieldName(), Qt::CaseInsensitive))
            throw EDatabaseError(QStringLiteral("Champ '%1' non trouvé").arg(Field(i)->FieldName()));
        selected << Quoted(Field(i)->FieldName());
    }

    TSqliteStatement rows(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(selected.join(QStringLiteral(", ")), QuotedTable()));
    while (rows.Step()) {
        TRecordBuffer record;
        record.RowId = rows.ColumnValue(0).toLongLong();
        record.Values.resize(FieldCount());
        int column = 1;
        for (int i = 0; i < FieldCount(); ++i)
            if (Field(i)->FieldKind() == TFieldKind::Data)
                record.Values[i] = StoredFromSqlite(rows.ColumnValue(column++), Field(i)->DataType());
        records.push_back(std::move(record));
    }
    FConnection->DataSetOpened(this);
}

void TADOTable::DoClose() {
    if (FConnection != nullptr)
        FConnection->DataSetClosed(this);
}

void TADOTable::DoPostEdit(TRecordBuffer& buffer, const QVector<bool>& changed) {
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < FieldCount(); ++i) {
        if (!changed[i] || Field(i)->FieldKind() != TFieldKind::Data)
            continue;
        assignments << Quoted(Field(i)->FieldName()) + QStringLiteral(" = ?");
        values << SqliteFromStored(buffer.Values[i], Field(i)->DataType());
    }
    if (assignments.isEmpty())
        return;
    sqlite3* db = FConnection->Handle();
    TSqliteStatement& update = FConnection->CachedStatement(
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(QuotedTable(), assignments.join(QStringLiteral(", "))));
    for (int i = 0; i < values.size(); ++i)
        update.Bind(i + 1, values[i]);
    update.Bind(static_cast<int>(values.size()) + 1, buffer.RowId);
    update.Step();
    if (sqlite3_changes(db) != 1)
        throw EDatabaseError(QStringLiteral("L'enregistrement a été supprimé par un autre programme : "
                                            "la modification n'a pas été enregistrée."));
}

void TADOTable::DoPostInsert(TRecordBuffer& buffer) {
    QStringList names;
    QVariantList values;
    for (int i = 0; i < FieldCount(); ++i) {
        if (Field(i)->FieldKind() != TFieldKind::Data)
            continue;
        names << Quoted(Field(i)->FieldName());
        values << SqliteFromStored(buffer.Values[i], Field(i)->DataType());
    }
    sqlite3* db = FConnection->Handle();
    QStringList marks;
    for (int i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    TSqliteStatement& insert = FConnection->CachedStatement(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                                .arg(QuotedTable(), names.join(QStringLiteral(", ")),
                                                                     marks.join(QStringLiteral(", "))));
    for (int i = 0; i < values.size(); ++i)
        insert.Bind(i + 1, values[i]);
    insert.Step();
    buffer.RowId = sqlite3_last_insert_rowid(db);
}

void TADOTable::DoDelete(const TRecordBuffer& buffer) {
    TSqliteStatement& remove =
        FConnection->CachedStatement(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(QuotedTable()));
    remove.Bind(1, buffer.RowId);
    remove.Step();
}
