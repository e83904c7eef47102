#include "calendar/PeriodRecords.h"

#include "data/AddPeriodData.h"
#include "platform/db/DataSet.h"

#include <QScopeGuard>
#include <memory>

TPeriodRecords::TPeriodRecords(TDataSet& Table) {
    // Freed here if a row cannot be read, since the destructor will not run.
    auto freeRecords = qScopeGuard([this] { qDeleteAll(FList); });
    const QString bookmark = Table.Bookmark();
    Table.DisableControls();
    // Even when a row cannot be read, the grid comes back on the user's row and shows again.
    const auto restore = qScopeGuard([&Table, &bookmark] {
        if (!bookmark.isEmpty())
            Table.SetBookmark(bookmark);
        Table.EnableControls();
    });
    for (Table.First(); !Table.Eof(); Table.Next()) {
        auto record = std::make_unique<TAddPeriodData>();
        record->LoadFromDataSet(&Table);
        FList.append(record.release());
    }
    freeRecords.dismiss();
}

TPeriodRecords::~TPeriodRecords() { qDeleteAll(FList); }
