#pragma once

#include "platform/db/DataSet.h"

#include <QList>
#include <QVariantList>
#include <utility>

// A data set over rows held in memory, for reports that need no database file. Values are in
// the fields' stored form: text, a date-time, a count of ten-thousandths for currency.
class TMemoryDataSet : public TDataSet {
public:
    TMemoryDataSet(const QList<std::pair<QString, TFieldType>>& fields, const QList<QVariantList>& rows);

protected:
    void DoOpen(std::vector<TRecordBuffer>& records) override;

private:
    QList<QVariantList> FRows;
};
