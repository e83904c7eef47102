#pragma once

#include "platform/db/DataSet.h"

class TADOConnection;

// Finds the smallest identifier from 0 up that no period of the file holds, in one walk of the
// identifier index. It remembers how far up the identifiers are known to be all taken, so that
// the next search starts there: adding periods never frees an identifier, and whatever could
// (a deletion, an edit, another program writing to the file) makes it start again from 0.
class TFreePeriodIdFinder : public TDataSetObserver {
public:
    TFreePeriodIdFinder(TADOConnection* connection, TDataSet* periods);
    ~TFreePeriodIdFinder() override;
    TFreePeriodIdFinder(const TFreePeriodIdFinder&) = delete;
    TFreePeriodIdFinder& operator=(const TFreePeriodIdFinder&) = delete;

    qint32 SmallestFreeId();

    void DataEvent(TDataEvent event, int recordIndex) override;

private:
    void Forget() { FAllTakenBelow = 0; }

    TADOConnection* FConnection;
    TDataSet* FPeriods;
    qint64 FAllTakenBelow = 0;
    qint64 FDataVersion = -1;
    TDataSetState FStateBeforeBrowse = TDataSetState::Browse;
};
