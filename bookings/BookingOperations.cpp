// The booking operations of the main window: adding and modifying periods through the period
// dialog, refusing a period that shares a day with another of its room.
#include "app/Constants.h"
#include "app/Quimbels.h"
#include "bookings/AddPeriodDlg.h"
#include "data/AddPeriodData.h"
#include "data/QuimbelDataModule.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Dialogs.h"

#include <QToolButton>
#include <memory>

namespace {

// Keeps the period grid still while a booking is worked out, and lets it show the outcome
// however the work ends.
class TControlsSuspended {
public:
    explicit TControlsSuspended(TDataSet* dataSet) : FDataSet(dataSet) { FDataSet->DisableControls(); }
    ~TControlsSuspended() { FDataSet->EnableControls(); }
    TControlsSuspended(const TControlsSuspended&) = delete;
    TControlsSuspended& operator=(const TControlsSuspended&) = delete;

private:
    TDataSet* FDataSet;
};

// The room name stands in the statement as a pattern between single quotes: its quotes are
// doubled and its pattern characters bracketed, so that a room matches only itself.
QString RoomPatternValue(const QString& room) {
    QString pattern;
    for (const QChar c : room) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('['))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else if (c == QLatin1Char('\''))
            pattern += QStringLiteral("''");
        else
            pattern += c;
    }
    return QLatin1Char('\'') + pattern + QLatin1Char('\'');
}

QString DateLiteral(const QDateTime& value) {
    return QLatin1Char('#') + value.date().toString(Constants::SqlDateFormat) + QLatin1Char('#');
}

} // namespace

void TFormMainQuimbel::DBNavigatorPeriodClick(TNavigateBtn Button) {
    if (Button != TNavigateBtn::nbInsert && Button != TNavigateBtn::nbEdit)
        return;
    TADOTable& periods = DataModuleQuimbel->ADOTablePeriod;
    const TControlsSuspended suspended(&periods);
    const bool hadCurrentPeriod = periods.State() == TDataSetState::Edit;
    periods.Cancel();
    if (Button == TNavigateBtn::nbInsert)
        AddPeriod();
    else if (hadCurrentPeriod)
        ModifyPeriod();
}

bool TFormMainQuimbel::RunPeriodDialog(const QStringList& clientNames, const QStringList& roomNames,
                                       TAddPeriodData& periodData, const QString& caption,
                                       const QString& confirmCaption, TPeriodCheckMode mode) {
    for (;;) {
        bool confirmed = false;
        {
            const auto dialog = std::make_unique<TFormAddPeriod>(this, &clientNames, &roomNames, &periodData);
            dialog->setWindowTitle(caption);
            dialog->SpeedButtonAdd->setText(confirmCaption);
            confirmed = dialog->ShowModal() == 1;
        }
        if (!confirmed)
            return false;
        if (CheckPeriodOverlap(periodData, mode))
            return true;
    }
}

void TFormMainQuimbel::AddPeriod() {
    TAddPeriodData periodData;
    QStringList clientNames;
    QStringList roomNames;
    const bool hasClients = CollectColumnValues(clientNames, &DataModuleQuimbel->ADOQueryQuimbels,
                                                Constants::SqlClientNames, QStringLiteral("NOM"));
    const bool hasRooms = CollectColumnValues(roomNames, &DataModuleQuimbel->ADOQueryQuimbels, Constants::SqlRoomNames,
                                              QStringLiteral("CHAMBRE"));
    if (!hasClients || !hasRooms) {
        MessageBox(this,
                   QStringLiteral("Impossible de créer une période car latable des clients et/ou des chambres\n"
                                  "est/sont vides !"),
                   QStringLiteral("Données manquantes"), TMsgDlgType::Error, mbOK);
        return;
    }
    if (!RunPeriodDialog(clientNames, roomNames, periodData, QStringLiteral("Ajouter une Période..."),
                         QStringLiteral("Ajouter"), NewPeriod))
        return;
    AppendNewPeriod(periodData);
}

void TFormMainQuimbel::AppendNewPeriod(const TAddPeriodData& PeriodData) {
    const qint32 identifier = NextFreePeriodId();
    DataModuleQuimbel->ADOTablePeriod.AppendRecord(
        {identifier, PeriodData.NOM, PeriodData.CHAMBRE, TAddPeriodData::DateText(PeriodData.DATEDEBUT),
         TAddPeriodData::DateText(PeriodData.DATEFIN), PeriodData.ACCOMPTE, PeriodData.TARIF, QVariant(),
         PeriodData.NOTE});
}

void TFormMainQuimbel::ModifyPeriod() {
    QStringList clientNames;
    QStringList roomNames;
    CollectColumnValues(clientNames, &DataModuleQuimbel->ADOQueryQuimbels, Constants::SqlClientNames,
                        QStringLiteral("NOM"));
    CollectColumnValues(roomNames, &DataModuleQuimbel->ADOQueryQuimbels, Constants::SqlRoomNames,
                        QStringLiteral("CHAMBRE"));
    TADOTable& periods = DataModuleQuimbel->ADOTablePeriod;
    TAddPeriodData periodData;
    periodData.LoadFromDataSet(&periods);
    const TAddPeriodData asRead = periodData;
    if (!RunPeriodDialog(clientNames, roomNames, periodData, QStringLiteral("Modifier une Période..."),
                         QStringLiteral("Modifier"), ExistingPeriod))
        return;
    if (periodData == asRead)
        return;
    periods.Edit();
    try {
        periodData.SaveToDataSet(&periods);
        periods.Post();
    } catch (...) {
        periods.Cancel();
        throw;
    }
}

bool TFormMainQuimbel::CheckPeriodOverlap(const TAddPeriodData& PeriodData, TPeriodCheckMode Mode) {
    QString sql = Mode == NewPeriod ? Constants::SqlOverlapNew : Constants::SqlOverlapOther;
    sql = ReplacePlaceholder(sql, QStringLiteral("'n'"), RoomPatternValue(PeriodData.CHAMBRE));
    sql = ReplacePlaceholder(sql, QStringLiteral("#d#"), DateLiteral(PeriodData.DATEDEBUT));
    sql = ReplacePlaceholder(sql, QStringLiteral("#f#"), DateLiteral(PeriodData.DATEFIN));
    if (Mode == ExistingPeriod)
        sql = ReplacePlaceholder(sql, QStringLiteral("'IDPERIODE'"), QString::number(PeriodData.IDPERIODE));
    RunQuery(&DataModuleQuimbel->ADOQueryQuimbels, sql);
    if (DataModuleQuimbel->ADOQueryQuimbels.RecordCount() > 0) {
        MessageBox(this, QStringLiteral("Cette période recouvrent une ou plusieurs périodes existantes !"),
                   QStringLiteral("Recouvrement"), TMsgDlgType::Error, mbOK);
        return false;
    }
    return true;
}

qint32 TFormMainQuimbel::NextFreePeriodId() { return DataModuleQuimbel->SmallestFreePeriodId(); }
