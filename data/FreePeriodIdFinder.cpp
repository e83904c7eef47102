#include "data/FreePeriodIdFinder.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteStatement.h"

TFreePeriodIdFinder::TFreePeriodIdFinder(TADOConnection* connection, TDataSet* periods)
    : FConnection(connection), FPeriods(periods) {
    FPeriods->AddObserver(this);
    // One walk now, while the program opens, spares it to the first booking.
    SmallestFreeId();
}

TFreePeriodIdFinder::~TFreePeriodIdFinder() { FPeriods->RemoveObserver(this); }

qint32 TFreePeriodIdFinder::SmallestFreeId() {
    const qint64 version = FConnection->DataVersion();
    if (version != FDataVersion) {
        Forget();
        FDataVersion = version;
    }
    TSqliteStatement& identifiers = FConnection->CachedStatement(
        QStringLiteral("SELECT IDPERIODE FROM TPeriod WHERE IDPERIODE >= ? ORDER BY IDPERIODE"));
    identifiers.Bind(1, FAllTakenBelow);
    qint64 candidate = FAllTakenBelow;
    while (identifiers.Step() && identifiers.ColumnInteger(0) == candidate)
        ++candidate;
    identifiers.Reset();
    FAllTakenBelow = candidate;
    return static_cast<qint32>(candidate);
}

void TFreePeriodIdFinder::DataEvent(TDataEvent event, int) {
    switch (event) {
    case TDataEvent::StateChanged:
        if (FPeriods->State() != TDataSetState::Browse)
            FStateBeforeBrowse = FPeriods->State();
        break;
    case TDataEvent::RecordChanged:
        // A posted insert only takes an identifier; a posted edit may have given one up.
        if (FPeriods->State() == TDataSetState::Browse && FStateBeforeBrowse != TDataSetState::Insert)
            Forget();
        break;
    case TDataEvent::RowRemoved:
    case TDataEvent::DataSetChanged:
        Forget();
        break;
    case TDataEvent::RowInserted:
    case TDataEvent::CursorMoved:
        break;
    }
}
