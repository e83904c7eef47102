#include "platform/db/Query.h"

#include "platform/Error.h"
#include "platform/db/Connection.h"
#include "platform/db/FieldTypes.h"
#include "platform/db/JetSql.h"
#include "platform/db/SqliteStatement.h"
#include "platform/os/Clock.h"

void TADOQuery::DoOpen(std::vector<TRecordBuffer>& records) {
    if (FConnection == nullptr)
        throw EDatabaseError(QStringLiteral("La requête n'a pas de connexion."));
    FConnection->Open();
    const TTranslatedSql translated = TranslateJetSelect(
        SQL.join(QLatin1Char(' ')),
        [this](const QString& table, const QString& column) { return FConnection->ColumnDeclaredType(table, column); },
        Clock::CurrentYear());

    TSqliteStatement& statement = FConnection->CachedStatement(translated.Sql);
    for (int i = 0; i < translated.Parameters.size(); ++i)
        statement.Bind(i + 1, translated.Parameters[i]);
    if (!HasDeclaredFields()) {
        for (int column = 0; column < statement.ColumnCount(); ++column) {
            const TColumnType type = ColumnTypeFromDeclared(statement.ColumnDeclaredType(column));
            AddDynamicField(statement.ColumnName(column), type.Type, type.Size);
        }
    }
    const int columns = statement.ColumnCount();
    try {
        while (statement.Step()) {
            TRecordBuffer record;
            record.Values.resize(FieldCount());
            for (int column = 0; column < columns && column < FieldCount(); ++column)
                record.Values[column] = StoredFromSqlite(statement.ColumnValue(column), Field(column)->DataType());
            records.push_back(std::move(record));
        }
    } catch (...) {
        ClearDynamicFields();
        throw;
    }
    statement.Reset();
    FConnection->DataSetOpened(this);
}

void TADOQuery::DoClose() {
    if (FConnection != nullptr)
        FConnection->DataSetClosed(this);
}
