#include "calendar/PeriodRecords.h"

#include "data/AddPeriodData.h"
#include "platform/db/DataSet.h"
#include "platform/db/DateTimeText.h"

#include <QScopeGuard>
#include <memory>

namespace {

// The columns of the period table, found once for the whole walk. Each row is read as the record
// reads a row, with the same values and the same failure, without looking every column up by name
// and without turning every date into text and back: over a long history, that alone would make
// the calendar slow to open.
class TPeriodColumns {
public:
    explicit TPeriodColumns(const TDataSet& table)
        : FId(table.FieldByName(QStringLiteral("IDPERIODE"))),
          FName(table.FieldByName(QStringLiteral("NOM"))),
          FRoom(table.FieldByName(QStringLiteral("CHAMBRE"))),
          FFirst(table.FieldByName(QStringLiteral("DATEDEBUT"))),
          FLast(table.FieldByName(QStringLiteral("DATEFIN"))),
          FDeposit(table.FieldByName(QStringLiteral("ACCOMPTE"))),
          FPrice(table.FieldByName(QStringLiteral("TARIF"))),
          FNote(table.FieldByName(QStringLiteral("NOTE"))) {}

    void Load(TAddPeriodData& record) const {
        record.IDPERIODE = FId->AsInteger();
        record.NOM = FName->AsString();
        record.CHAMBRE = FRoom->AsString();
        record.DATEDEBUT = ToTheSecond(FFirst);
        record.DATEFIN = ToTheSecond(FLast);
        record.ACCOMPTE = FDeposit->AsFloat();
        record.TARIF = FPrice->AsFloat();
        record.NOTE = FNote->AsString();
    }

private:
    // The record receives a date through its text, which keeps it to the second and on which an
    // empty date fails.
    static QDateTime ToTheSecond(const TField* field) {
        if (field->IsNull())
            return StrToDateTime(QString());
        const QDateTime value = field->AsDateTime();
        const qint64 fraction = value.toMSecsSinceEpoch() % 1000;
        return fraction == 0 ? value : value.addMSecs(-(fraction < 0 ? fraction + 1000 : fraction));
    }

    const TField* FId;
    const TField* FName;
    const TField* FRoom;
    const TField* FFirst;
    const TField* FLast;
    const TField* FDeposit;
    const TField* FPrice;
    const TField* FNote;
};

} // namespace

TPeriodRecords::TPeriodRecords(TDataSet& Table) {
    // Freed here if a row cannot be read, since the destructor will not run.
    auto freeRecords = qScopeGuard([this] { qDeleteAll(FList); });
    const TPeriodColumns columns(Table);
    const QString bookmark = Table.Bookmark();
    Table.DisableControls();
    // Even when a row cannot be read, the grid comes back on the user's row and shows again.
    const auto restore = qScopeGuard([&Table, &bookmark] {
        if (!bookmark.isEmpty())
            Table.SetBookmark(bookmark);
        Table.EnableControls();
    });
    FList.reserve(Table.RecordCount());
    for (Table.First(); !Table.Eof(); Table.Next()) {
        auto record = std::make_unique<TAddPeriodData>();
        columns.Load(*record);
        FList.append(record.release());
    }
    freeRecords.dismiss();
}

TPeriodRecords::~TPeriodRecords() {
    qDeleteAll(FList);
}
