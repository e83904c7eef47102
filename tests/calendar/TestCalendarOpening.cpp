#include "app/MainWindowFixture.h"

#include "calendar/CalendrierAnnuel.h"
#include "calendar/PeriodRecords.h"
#include "data/AddPeriodData.h"
#include "platform/Error.h"
#include "platform/db/DateTimeText.h"
#include "platform/ui/ComboBox.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>

namespace {

// Records what the period grid would be told while the calendar opens.
class TEventLog : public TDataSetObserver {
public:
    void DataEvent(TDataEvent event, int) override { Events << event; }
    QList<TDataEvent> Events;
};

// What the calendar held while it was open.
struct TSeenCalendar {
    QPointer<TCalendYear> Window;
    bool IsCalendar = false;
    bool HeldByTheMainWindow = false;
    bool GridSuspended = true;
    QStringList Periods;
    QStringList Rooms;
    QString RoomLabel;
    int Year = 0;
};

class CalendarOpening : public MainWindowTest {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TPeriod VALUES (0, 'Durand', '2', '2026-03-10', '2026-03-12', 0, 3000000, NULL),"
            "(1, 'Martin', '1', '2026-12-28', '2027-01-03', 0, 7000000, NULL),"
            "(2, 'Petit', '2', '2025-05-01', '2025-05-02', 0, 800000, NULL);");
    }

    // Presses the calendar button and plays the user's part while the calendar is open.
    TSeenCalendar OpenCalendar() {
        TSeenCalendar seen;
        Answers.OnModal = [this, &seen](QDialog* dialog) {
            auto* calendar = dynamic_cast<TCalendYear*>(dialog);
            seen.Window = calendar;
            seen.IsCalendar = calendar != nullptr;
            if (calendar == nullptr)
                return 0;
            seen.HeldByTheMainWindow = Form->CalendYear == calendar && calendar->parentWidget() == Form.get();
            seen.GridSuspended = Module->ADOTablePeriod.ControlsDisabled();
            for (const TAddPeriodData* period : *calendar->ListPeriods)
                seen.Periods << QStringLiteral("%1 %2 %3 %4 %5")
                                    .arg(period->NOM, period->CHAMBRE,
                                         period->DATEDEBUT.date().toString(Qt::ISODate),
                                         period->DATEFIN.date().toString(Qt::ISODate))
                                    .arg(period->TARIF);
            seen.Rooms = calendar->ComboBoxRoom->Items();
            seen.RoomLabel = calendar->Label1->text();
            seen.Year = calendar->Year;
            return 0;
        };
        QTest::mouseClick(Form->SpeedButtonCalendrier, Qt::LeftButton);
        return seen;
    }
};

} // namespace

TEST_F(CalendarOpening, ShowsEveryPeriodAndLeavesTheGridAsItWas) {
    Start();
    TADOTable& periods = Module->ADOTablePeriod;
    periods.SetRecNo(1);
    TEventLog log;
    periods.AddObserver(&log);
    const TSeenCalendar seen = OpenCalendar();
    periods.RemoveObserver(&log);

    ASSERT_TRUE(seen.IsCalendar);
    EXPECT_TRUE(seen.HeldByTheMainWindow);
    EXPECT_FALSE(seen.GridSuspended);
    EXPECT_EQ(seen.Periods,
              QStringList({"Durand 2 2026-03-10 2026-03-12 300", "Martin 1 2026-12-28 2027-01-03 700",
                           "Petit 2 2025-05-01 2025-05-02 80"}));
    EXPECT_EQ(seen.Rooms, QStringList({"1", "2"}));
    EXPECT_EQ(seen.RoomLabel, QStringLiteral("CHAMBRE"));
    EXPECT_EQ(seen.Year, 2026);
    // The grid was told once, at the end, that its data set may have changed; it never saw the scan.
    EXPECT_EQ(log.Events, QList<TDataEvent>({TDataEvent::DataSetChanged}));
    EXPECT_EQ(periods.RecNo(), 1);
    // The window is gone once closed, and the main window no longer points at it.
    EXPECT_TRUE(seen.Window.isNull());
    EXPECT_EQ(Form->CalendYear, nullptr);
}

TEST_F(CalendarOpening, APeriodAddedAfterClosingShowsAtTheNextOpening) {
    Start();
    EXPECT_EQ(OpenCalendar().Periods.size(), 3);
    Module->ADOTablePeriod.AppendRecord(
        {3, "Moreau", "3", QVariant::fromValue(MakeDateTime(QDate(2026, 8, 1))),
         QVariant::fromValue(MakeDateTime(QDate(2026, 8, 4))), 0.0, 120.0, QVariant()});
    const TSeenCalendar seen = OpenCalendar();
    ASSERT_EQ(seen.Periods.size(), 4);
    EXPECT_EQ(seen.Periods[3], QStringLiteral("Moreau 3 2026-08-01 2026-08-04 120"));
    EXPECT_EQ(seen.Rooms, QStringList({"1", "2", "3"}));
}

TEST_F(CalendarOpening, AnEmptyPeriodTableOpensAnEmptyCalendar) {
    Start();
    while (!Module->ADOTablePeriod.IsEmpty()) {
        Module->ADOTablePeriod.First();
        Module->ADOTablePeriod.Delete();
    }
    const TSeenCalendar seen = OpenCalendar();
    ASSERT_TRUE(seen.IsCalendar);
    EXPECT_TRUE(seen.Periods.isEmpty());
    EXPECT_TRUE(seen.Rooms.isEmpty());
}

TEST_F(CalendarOpening, ReadsEveryRowAsThePeriodRecordReadsIt) {
    ExecSql(QStringLiteral("Quimbels.mdb"),
            QStringLiteral(
                "INSERT INTO TPeriod VALUES (3, NULL, NULL, '2026-08-01 14:30:15', '2026-08-04 09:05:00', "
                "NULL, NULL, 'Arrivée tardive'), (4, 'Moreau', '3', '1955-03-15', '2075-03-15', 123456, "
                "98765, '');"));
    Start();
    TADOTable& table = Module->ADOTablePeriod;
    // A value set in memory may carry a fraction of a second that the file never would.
    table.AppendRecord({5, "Roux", "4",
                        QVariant::fromValue(MakeDateTime(QDate(2026, 9, 1), QTime(0, 0, 0, 500))),
                        QVariant::fromValue(MakeDateTime(QDate(2026, 9, 2), QTime(10, 11, 12, 345))), 0.0,
                        10.0, QVariant()});
    const TPeriodRecords records(table);
    ASSERT_EQ(records.List().size(), table.RecordCount());
    int row = 0;
    for (table.First(); !table.Eof(); table.Next(), ++row) {
        TAddPeriodData expected;
        expected.LoadFromDataSet(&table);
        EXPECT_EQ(*records.List()[row], expected) << "row " << row;
    }
}

TEST_F(CalendarOpening, ARowThatCannotBeReadEndsTheOpeningWithTheGridRestored) {
    ExecSql(QStringLiteral("Quimbels.mdb"),
            QStringLiteral("INSERT INTO TPeriod VALUES (3, 'Moreau', '3', NULL, '2026-08-04', 0, 0, NULL);"));
    Start();
    TADOTable& periods = Module->ADOTablePeriod;
    periods.Last();
    QString recordFailure;
    try {
        TAddPeriodData().LoadFromDataSet(&periods);
    } catch (const EConvertError& error) {
        recordFailure = error.Text();
    }
    ASSERT_FALSE(recordFailure.isEmpty());

    periods.SetRecNo(2);
    bool opened = false;
    Answers.OnModal = [&opened](QDialog*) {
        opened = true;
        return 0;
    };
    QString failure;
    try {
        Form->SpeedButtonCalendrierClick();
    } catch (const EConvertError& error) {
        failure = error.Text();
    }
    EXPECT_EQ(failure, recordFailure);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(periods.ControlsDisabled());
    EXPECT_EQ(periods.RecNo(), 2);
    EXPECT_EQ(Form->CalendYear, nullptr);
}
