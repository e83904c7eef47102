#pragma once

#include "platform/db/DataSet.h"

class TADOConnection;

// A whole table read at open; each posted, inserted or deleted row is written to the file at
// once, the row being known by its rowid so that tables without a key can be edited.
class TADOTable : public TDataSet {
public:
    void SetConnection(TADOConnection* connection) { FConnection = connection; }
    TADOConnection* Connection() const { return FConnection; }
    void SetTableName(const QString& name) { FTableName = name; }
    const QString& TableName() const { return FTableName; }
    bool CanModify() const override { return true; }

protected:
    void DoOpen(std::vector<TRecordBuffer>& records) override;
    void DoClose() override;
    void DoPostEdit(TRecordBuffer& buffer, const QVector<bool>& changed) override;
    void DoPostInsert(TRecordBuffer& buffer) override;
    void DoDelete(const TRecordBuffer& buffer) override;

private:
    QString QuotedTable() const;
    TADOConnection* FConnection = nullptr;
    QString FTableName;
};
