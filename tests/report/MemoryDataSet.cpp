#include "MemoryDataSet.h"

TMemoryDataSet::TMemoryDataSet(const QList<std::pair<QString, TFieldType>>& fields,
                               const QList<QVariantList>& rows)
    : FRows(rows) {
    for (const auto& [name, type] : fields)
        AddField(name, type);
}

void TMemoryDataSet::DoOpen(std::vector<TRecordBuffer>& records) {
    for (const QVariantList& row : FRows) {
        TRecordBuffer record;
        record.Values = QVector<QVariant>(row.begin(), row.end());
        records.push_back(record);
    }
}
