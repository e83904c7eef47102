// The statement operations of the main window: which periods a statement lists, and when it is rebuilt.
#include "app/Constants.h"
#include "app/Quimbels.h"
#include "data/QuimbelDataModule.h"
#include "platform/os/Clock.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/RadioGroup.h"

#include <QApplication>

int TFormMainQuimbel::LastBilanMode = -5;

namespace {

enum TBilanMode { ByClient, ByRoom, ByYear, ByInterval, ByClientYear, ByClientInterval };

const QString& BilanTemplate(int mode) {
    static const QString* templates[] = {&Constants::SqlBilanClient,     &Constants::SqlBilanRoom,
                                         &Constants::SqlBilanYear,       &Constants::SqlBilanInterval,
                                         &Constants::SqlBilanClientYear, &Constants::SqlBilanClientInterval};
    return *templates[mode];
}

// The names stand between double quotes in the statement: a quote inside a name is doubled so
// that the name stays one text, whatever it holds.
QString QuotedValue(const QString& name) {
    QString value = name;
    return value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
}

QString DateLiteral(const QDate& date) {
    return QLatin1Char('#') + date.toString(Constants::SqlDateFormat) + QLatin1Char('#');
}

void SetSelectionEnabled(QWidget* control, bool enabled) {
    control->setEnabled(enabled);
    QPalette palette = control->palette();
    const QPalette standard = QApplication::palette();
    palette.setColor(QPalette::Base, standard.color(enabled ? QPalette::Base : QPalette::Button));
    control->setPalette(palette);
}

} // namespace

QStringList TFormMainQuimbel::BilanYears() {
    QStringList years;
    for (int year = 1999; year <= Clock::CurrentYear() + 2; ++year)
        years << QString::number(year);
    return years;
}

void TFormMainQuimbel::SetSelectionControlsEnabled(int mode) {
    const bool client = mode == ByClient || mode == ByClientYear || mode == ByClientInterval;
    const bool year = mode == ByYear || mode == ByClientYear;
    const bool interval = mode == ByInterval || mode == ByClientInterval;
    SetSelectionEnabled(ComboBoxClientName, client);
    SetSelectionEnabled(ComboBoxRoomNbr, mode == ByRoom);
    SetSelectionEnabled(ComboBoxYears, year);
    SetSelectionEnabled(DateTimePickerDebut, interval);
    SetSelectionEnabled(DateTimePickerFin, interval);
}

QString TFormMainQuimbel::BilanSql(int mode) const {
    QString sql = BilanTemplate(mode);
    if (mode == ByClient || mode == ByClientYear || mode == ByClientInterval)
        sql = ReplacePlaceholder(sql, QStringLiteral("'NOM'"), QuotedValue(ComboBoxClientName->SelectedText()));
    if (mode == ByRoom)
        sql = ReplacePlaceholder(sql, QStringLiteral("'CHAMBRE'"), QuotedValue(ComboBoxRoomNbr->SelectedText()));
    if (mode == ByYear || mode == ByClientYear) {
        const QString year = ComboBoxYears->SelectedText();
        sql = ReplacePlaceholder(sql, QStringLiteral("'DATED'"), QStringLiteral("#01/01/") + year + QLatin1Char('#'));
        sql = ReplacePlaceholder(sql, QStringLiteral("'DATEF'"), QStringLiteral("#12/31/") + year + QLatin1Char('#'));
    }
    if (mode == ByInterval || mode == ByClientInterval) {
        sql = ReplacePlaceholder(sql, QStringLiteral("'DATED'"), DateLiteral(DateTimePickerDebut->date()));
        sql = ReplacePlaceholder(sql, QStringLiteral("'DATEF'"), DateLiteral(DateTimePickerFin->date()));
    }
    return sql;
}

void TFormMainQuimbel::LaunchBilanRequest(int modeValue, bool force) {
    if (modeValue == LastBilanMode && !force)
        return;
    LastBilanMode = modeValue;
    const int mode = RadioGroupBilan->ItemIndex();
    SetSelectionControlsEnabled(mode);
    RunQuery(&DataModuleQuimbel->ADOQueryBilan, BilanSql(mode));
    SetBilanColumns();
}

void TFormMainQuimbel::SetBilanColumns() {
    QList<TColumn> columns = DBGridBilan->Columns();
    if (columns.size() != 7)
        return;
    const int widths[] = {120, 70, 90, 90, 100, 100, 1500};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignRight,
                                        Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
    for (int i = 0; i < 7; ++i) {
        columns[i].Width = widths[i];
        columns[i].Alignment = alignments[i] | Qt::AlignVCenter;
        columns[i].Title = columns[i].FieldName;
    }
    columns[1].Title = RentedGoodName;
    columns[4].Title = QStringLiteral("ACCOMPTE  (€)");
    columns[5].Title = QStringLiteral("TARIF              (€)");
    DBGridBilan->SetColumns(columns);
}

void TFormMainQuimbel::EvOnClickBilanRadioButton() { LaunchBilanRequest(RadioGroupBilan->ItemIndex(), false); }

void TFormMainQuimbel::EvOnChangeBilanSelection() { LaunchBilanRequest(RadioGroupBilan->ItemIndex(), true); }

void TFormMainQuimbel::EvOnCloseUpBilanRangeDates() {
    if (DateTimePickerDebut->date() > DateTimePickerFin->date()) {
        MessageBox(this, QStringLiteral("L'intervalle de date choisi est incorrect !"), QStringLiteral("Erreur"),
                   TMsgDlgType::Error, mbOK);
        return;
    }
    LaunchBilanRequest(RadioGroupBilan->ItemIndex(), true);
}
