#pragma once

#include "platform/db/DataSet.h"

#include <QStringList>

class TADOConnection;

// The read-only result of one SELECT in the Jet dialect, read whole at open.
class TADOQuery : public TDataSet {
public:
    void SetConnection(TADOConnection* connection) { FConnection = connection; }
    TADOConnection* Connection() const { return FConnection; }
    // The statement's lines, joined by spaces at open.
    QStringList SQL;

protected:
    void DoOpen(std::vector<TRecordBuffer>& records) override;
    void DoClose() override;

private:
    TADOConnection* FConnection = nullptr;
};
