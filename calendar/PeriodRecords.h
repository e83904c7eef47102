#pragma once

#include <QList>

class TAddPeriodData;
class TDataSet;

// One period record per row of the period table, in the order of its rows, for the calendar to
// borrow. The table is read in one walk, with its bound controls suspended so that the grid neither
// moves nor redraws, and left on the row it was on. The records are freed with this object.
class TPeriodRecords {
public:
    explicit TPeriodRecords(TDataSet& Table);
    ~TPeriodRecords();
    TPeriodRecords(const TPeriodRecords&) = delete;
    TPeriodRecords& operator=(const TPeriodRecords&) = delete;

    const QList<TAddPeriodData*>& List() const { return FList; }

private:
    QList<TAddPeriodData*> FList;
};
