#include "TestPeriods.h"

#include "calendar/CalendarModel.h"
#include "platform/db/DateTimeText.h"

#include <QSet>
#include <gtest/gtest.h>
#include <random>

namespace {

// The rule as written: every day of the year against every period, in list order, the all-rooms
// figures taken while the first day is looked at. The model must give exactly this.
TCalendarFigures ReferenceBookings(const QList<TAddPeriodData*>& periods, const QString& room, int year,
                                   const TSquareList& squares) {
    TCalendarFigures figures;
    QString runningName;
    for (size_t i = 0; i < squares.size(); ++i) {
        TCalSquare& square = *squares[i];
        const QDateTime day = MakeDateTime(square.Date);
        for (const TAddPeriodData* period : periods) {
            if (period->CHAMBRE == room && period->DATEDEBUT <= day && day <= period->DATEFIN) {
                if (period->NOM != runningName) {
                    runningName = period->NOM;
                    if (++figures.ColorIndex == BookingColorCount)
                        figures.ColorIndex = 0;
                    ++figures.RoomBookings;
                    figures.RoomTotal += period->TARIF;
                }
                square.ClientName = runningName;
                if (figures.ColorIndex >= 0)
                    square.Color = BookingColors[static_cast<size_t>(figures.ColorIndex)];
            }
            if (i == 0 && period->DATEDEBUT.date().year() == year) {
                ++figures.AllBookings;
                figures.AllTotal += period->TARIF;
            }
        }
    }
    return figures;
}

// The room list as written: each name looked up without regard to case among those kept so far.
QStringList ReferenceRoomNames(const QList<TAddPeriodData*>& periods) {
    QStringList names;
    for (const TAddPeriodData* period : periods)
        if (!names.contains(period->CHAMBRE, Qt::CaseInsensitive))
            names << period->CHAMBRE;
    return names;
}

struct TYearOfRoom {
    TSquareList Squares;
    TCalendarFigures Figures;

    const TCalSquare& On(const QDate& date) const {
        return *Squares[static_cast<size_t>(date.dayOfYear() - 1)];
    }
    QList<QDate> BookedDays() const {
        QList<QDate> days;
        for (const auto& square : Squares)
            if (square->Booked())
                days << square->Date;
        return days;
    }
};

void ExpectSameYear(const TYearOfRoom& model, const TYearOfRoom& reference) {
    EXPECT_EQ(model.Figures.RoomBookings, reference.Figures.RoomBookings);
    EXPECT_EQ(model.Figures.RoomTotal, reference.Figures.RoomTotal);
    EXPECT_EQ(model.Figures.AllBookings, reference.Figures.AllBookings);
    EXPECT_EQ(model.Figures.AllTotal, reference.Figures.AllTotal);
    EXPECT_EQ(model.Figures.ColorIndex, reference.Figures.ColorIndex);
    ASSERT_EQ(model.Squares.size(), reference.Squares.size());
    for (size_t i = 0; i < model.Squares.size(); ++i) {
        const TCalSquare& square = *model.Squares[i];
        ASSERT_EQ(square.ClientName, reference.Squares[i]->ClientName)
            << square.Date.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(square.Color, reference.Squares[i]->Color)
            << square.Date.toString(Qt::ISODate).toStdString();
    }
}

class CalendarModel : public testing::Test {
protected:
    // The model's year of the room, checked against the rule as written.
    TYearOfRoom Compute(const QString& room, int year) const {
        const TCalendarModel model(Periods.List());
        TYearOfRoom computed;
        TCalendarModel::BuildSquares(year, computed.Squares);
        computed.Figures = model.ComputeBookings(room, year, computed.Squares);
        TYearOfRoom reference;
        TCalendarModel::BuildSquares(year, reference.Squares);
        reference.Figures = ReferenceBookings(Periods.List(), room, year, reference.Squares);
        ExpectSameYear(computed, reference);
        return computed;
    }

    QList<QDate> Days(const QDate& first, const QDate& last) const {
        QList<QDate> days;
        for (QDate day = first; day <= last; day = day.addDays(1))
            days << day;
        return days;
    }

    TTestPeriods Periods;
};

} // namespace

TEST(CalendarSquares, OneSquarePerDayInMonthColumns) {
    const struct {
        int Year;
        int Days;
        int FebruaryDays;
    } cases[] = {{2000, 366, 29}, {1900, 365, 28}, {2100, 365, 28}, {2024, 366, 29}, {2025, 365, 28}};
    for (const auto& yearCase : cases) {
        SCOPED_TRACE(yearCase.Year);
        TSquareList squares;
        TCalendarModel::BuildSquares(yearCase.Year, squares);
        ASSERT_EQ(squares.size(), static_cast<size_t>(yearCase.Days));
        QList<int> columnLengths(12, 0);
        QDate expected(yearCase.Year, 1, 1);
        for (const auto& square : squares) {
            ASSERT_EQ(square->Date, expected);
            EXPECT_EQ(square->Day, expected.day());
            EXPECT_EQ(square->Left, 75 * (expected.month() - 1) + 10);
            EXPECT_EQ(square->Top, 16 * (expected.day() - 1) + 30);
            EXPECT_EQ(square->ClientName, FreeDayName);
            EXPECT_EQ(square->Color, clBtnFace);
            ++columnLengths[expected.month() - 1];
            expected = expected.addDays(1);
        }
        EXPECT_EQ(columnLengths,
                  QList<int>({31, yearCase.FebruaryDays, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}));
        // The grid ends at x 910 and y 526, the shared lines included.
        EXPECT_EQ(squares.back()->RectSquare.right(), 910);
        EXPECT_EQ(squares.front()->RectSquare.topLeft(), QPoint(10, 30));
    }
}

TEST(CalendarSquares, SquareKeepsItsRectanglesAndWeekdayLetter) {
    const TCalSquare square(160, 78, 75, 16, QDate(2024, 3, 14), FreeDayName);
    EXPECT_EQ(square.Day, 14);
    EXPECT_EQ(square.DayLetter, 'J');
    // Right and bottom edges excluded: (160, 78) to (236, 95) for the outline.
    EXPECT_EQ(square.RectSquare, QRect(QPoint(160, 78), QPoint(235, 94)));
    EXPECT_EQ(square.RectLetter, QRect(QPoint(162, 80), QPoint(175, 91)));
    EXPECT_EQ(square.RectDay, QRect(QPoint(181, 80), QPoint(194, 91)));
    EXPECT_EQ(square.RectMark, QRect(QPoint(211, 79), QPoint(230, 93)));
    EXPECT_EQ(square.RectMark.size(), QSize(20, 15));
    EXPECT_FALSE(square.Booked());

    QString week;
    for (int day = 3; day <= 9; ++day) // 3 March 2024 is a Sunday
        week += QLatin1Char(TCalSquare(0, 0, 75, 16, QDate(2024, 3, day), FreeDayName).DayLetter);
    EXPECT_EQ(week, QStringLiteral("DLMMJVS"));
}

TEST_F(CalendarModel, APeriodMarksItsDaysFromFirstToLastIncluded) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 12), 300)
        .Add("Martin", "1", QDate(2025, 3, 20), QDate(2025, 3, 20), 90)
        .Add("Petit", "2", QDate(2025, 3, 15), QDate(2025, 3, 16), 50);
    const TYearOfRoom year = Compute("1", 2025);
    EXPECT_EQ(year.BookedDays(), Days(QDate(2025, 3, 10), QDate(2025, 3, 12)) << QDate(2025, 3, 20));
    EXPECT_EQ(year.On(QDate(2025, 3, 11)).ClientName, QStringLiteral("Durand"));
    EXPECT_EQ(year.On(QDate(2025, 3, 20)).ClientName, QStringLiteral("Martin"));
    EXPECT_EQ(year.On(QDate(2025, 3, 12)).Color, BookingColors[0]);
    EXPECT_EQ(year.On(QDate(2025, 3, 20)).Color, BookingColors[1]);
    EXPECT_EQ(year.Figures.RoomBookings, 2);
    EXPECT_EQ(year.Figures.RoomTotal, 390.0);
}

TEST_F(CalendarModel, ABookingIsRecognisedWhereTheClientChangesAlongTheYear) {
    const struct {
        const char* Case;
        QList<std::pair<const char*, const char*>> ClientsAndRooms;
        int Bookings;
        double Total;
        QList<TColor> Colors;
    } cases[] = {
        {"the same client twice, free days between",
         {{"Durand", "1"}, {"Durand", "1"}},
         1,
         100,
         {0xFF0088, 0xFF0088}},
        {"another client between",
         {{"Durand", "1"}, {"Martin", "1"}, {"Durand", "1"}},
         3,
         600,
         {0xFF0088, 0xFFFF88, 0x00FF88}},
        {"another room's client between",
         {{"Durand", "1"}, {"Martin", "2"}, {"Durand", "1"}},
         1,
         100,
         {0xFF0088, clBtnFace, 0xFF0088}},
    };
    for (const auto& bookingCase : cases) {
        SCOPED_TRACE(bookingCase.Case);
        Periods = TTestPeriods();
        // Period i lies on 1 to 3 of month i + 1 and costs 100 × (i + 1).
        for (int i = 0; i < bookingCase.ClientsAndRooms.size(); ++i)
            Periods.Add(bookingCase.ClientsAndRooms[i].first, bookingCase.ClientsAndRooms[i].second,
                        QDate(2025, i + 1, 1), QDate(2025, i + 1, 3), 100.0 * (i + 1));
        const TYearOfRoom year = Compute("1", 2025);
        EXPECT_EQ(year.Figures.RoomBookings, bookingCase.Bookings);
        EXPECT_EQ(year.Figures.RoomTotal, bookingCase.Total);
        for (int i = 0; i < bookingCase.Colors.size(); ++i)
            EXPECT_EQ(year.On(QDate(2025, i + 1, 2)).Color, bookingCase.Colors[i]) << "month " << i + 1;
    }
}

TEST_F(CalendarModel, APeriodAcrossNewYearCountsInBothYearsOfTheRoomAndInItsFirstYearOfAllRooms) {
    Periods.Add("Durand", "1", QDate(2024, 12, 28), QDate(2025, 1, 3), 700)
        .Add("Martin", "2", QDate(2025, 2, 1), QDate(2025, 2, 2), 80);
    const TYearOfRoom first = Compute("1", 2024);
    EXPECT_EQ(first.BookedDays(), Days(QDate(2024, 12, 28), QDate(2024, 12, 31)));
    EXPECT_EQ(first.Figures.RoomBookings, 1);
    EXPECT_EQ(first.Figures.RoomTotal, 700.0);
    EXPECT_EQ(first.Figures.AllBookings, 1);
    EXPECT_EQ(first.Figures.AllTotal, 700.0);

    const TYearOfRoom second = Compute("1", 2025);
    EXPECT_EQ(second.BookedDays(), Days(QDate(2025, 1, 1), QDate(2025, 1, 3)));
    EXPECT_EQ(second.Figures.RoomBookings, 1);
    EXPECT_EQ(second.Figures.RoomTotal, 700.0);
    EXPECT_EQ(second.Figures.AllBookings, 1);
    EXPECT_EQ(second.Figures.AllTotal, 80.0);
}

TEST_F(CalendarModel, TheSixteenthBookingTakesTheFirstColourAgain) {
    for (int client = 0; client < 16; ++client)
        Periods.Add(QStringLiteral("Client %1").arg(client), "1", QDate(2025, 1, client + 1),
                    QDate(2025, 1, client + 1), 10);
    const TYearOfRoom year = Compute("1", 2025);
    for (int client = 0; client < 15; ++client)
        EXPECT_EQ(year.On(QDate(2025, 1, client + 1)).Color, BookingColors[static_cast<size_t>(client)]);
    EXPECT_EQ(year.On(QDate(2025, 1, 16)).Color, BookingColors[0]);
    EXPECT_EQ(year.Figures.ColorIndex, 0);
    EXPECT_EQ(year.Figures.RoomBookings, 16);
}

TEST_F(CalendarModel, AClientCalledLikeAFreeDayLeavesItsDaysLookingFree) {
    Periods.Add("???", "1", QDate(2025, 5, 1), QDate(2025, 5, 4), 200)
        .Add("Martin", "1", QDate(2025, 5, 10), QDate(2025, 5, 11), 50);
    const TYearOfRoom year = Compute("1", 2025);
    EXPECT_EQ(year.BookedDays(), Days(QDate(2025, 5, 10), QDate(2025, 5, 11)));
    // The rule still recognises it as a booking, which the next client's colour shows.
    EXPECT_EQ(year.On(QDate(2025, 5, 10)).Color, BookingColors[1]);
    EXPECT_EQ(year.Figures.RoomBookings, 2);
    EXPECT_EQ(year.Figures.RoomTotal, 250.0);
}

TEST_F(CalendarModel, RoomNamesDifferingInCaseShareOneEntryAndOnlyTheExactSpellingIsMarked) {
    Periods.Add("Durand", "gîte Est", QDate(2025, 4, 1), QDate(2025, 4, 2), 100)
        .Add("Martin", "Gîte Est", QDate(2025, 4, 10), QDate(2025, 4, 12), 200)
        .Add("Petit", "12", QDate(2025, 4, 1), QDate(2025, 4, 1), 10)
        .Add("Moreau", "GÎTE EST", QDate(2025, 4, 20), QDate(2025, 4, 20), 400);
    const TCalendarModel model(Periods.List());
    EXPECT_EQ(model.RoomNames(), QStringList({"gîte Est", "12"}));
    EXPECT_EQ(model.RoomNames(), ReferenceRoomNames(Periods.List()));

    const TYearOfRoom year = Compute("gîte Est", 2025);
    EXPECT_EQ(year.BookedDays(), Days(QDate(2025, 4, 1), QDate(2025, 4, 2)));
    EXPECT_EQ(year.Figures.RoomBookings, 1);
    EXPECT_EQ(year.Figures.RoomTotal, 100.0);
}

TEST_F(CalendarModel, APeriodEndingBeforeItBeginsCoversNothingButCountsForAllRooms) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 5), 120);
    const TYearOfRoom year = Compute("1", 2025);
    EXPECT_TRUE(year.BookedDays().isEmpty());
    EXPECT_EQ(year.Figures.RoomBookings, 0);
    EXPECT_EQ(year.Figures.RoomTotal, 0.0);
    EXPECT_EQ(year.Figures.AllBookings, 1);
    EXPECT_EQ(year.Figures.AllTotal, 120.0);
}

TEST_F(CalendarModel, NoPeriodGivesNoRoomNoMarkAndZeroFigures) {
    const TCalendarModel model(Periods.List());
    EXPECT_TRUE(model.RoomNames().isEmpty());
    const TYearOfRoom year = Compute(QString(), 2025);
    EXPECT_TRUE(year.BookedDays().isEmpty());
    EXPECT_EQ(year.Figures.RoomBookings, 0);
    EXPECT_EQ(year.Figures.AllBookings, 0);
    EXPECT_EQ(year.Figures.AllTotal, 0.0);
    EXPECT_EQ(year.Figures.ColorIndex, -1);
}

TEST_F(CalendarModel, AllRoomsFiguresCountThePeriodsBeginningInTheYearWhateverTheRoom) {
    Periods.Add("Durand", "1", QDate(2025, 3, 10), QDate(2025, 3, 12), 300)
        .Add("Martin", "2", QDate(2025, 12, 31), QDate(2026, 1, 2), 150.25)
        .Add("Petit", "2", QDate(2024, 12, 30), QDate(2025, 1, 1), 1000)
        .Add("Moreau", "3", QDate(2026, 1, 5), QDate(2026, 1, 6), 70);
    for (const QString room : {"1", "2", "3", "aucune"}) {
        SCOPED_TRACE(room.toStdString());
        const TYearOfRoom year = Compute(room, 2025);
        EXPECT_EQ(year.Figures.AllBookings, 2);
        EXPECT_EQ(year.Figures.AllTotal, 450.25);
    }
}

TEST_F(CalendarModel, ADayIsCoveredWhenItsMidnightLiesWithinThePeriod) {
    Periods.AddAt("Durand", "1", MakeDateTime(QDate(2025, 3, 10), QTime(12, 0)),
                  MakeDateTime(QDate(2025, 3, 12), QTime(8, 0)), 100);
    EXPECT_EQ(Compute("1", 2025).BookedDays(), Days(QDate(2025, 3, 11), QDate(2025, 3, 12)));
}

TEST_F(CalendarModel, OverlappingPeriodsAreVisitedInListOrderOnEachDay) {
    // Overlaps are refused when entered, but a file written by other means may hold them. On each
    // shared day both clients are met in list order, and each change of name is a booking.
    const struct {
        const char* Case;
        bool LongerFirst;
        const char* SharedDayClient;
    } cases[] = {{"longer period listed first", true, "Martin"},
                 {"shorter period listed first", false, "Durand"}};
    for (const auto& overlapCase : cases) {
        SCOPED_TRACE(overlapCase.Case);
        Periods = TTestPeriods();
        if (overlapCase.LongerFirst)
            Periods.Add("Durand", "1", QDate(2025, 3, 1), QDate(2025, 3, 10), 100);
        Periods.Add("Martin", "1", QDate(2025, 3, 5), QDate(2025, 3, 7), 10);
        if (!overlapCase.LongerFirst)
            Periods.Add("Durand", "1", QDate(2025, 3, 1), QDate(2025, 3, 10), 100);
        const TYearOfRoom year = Compute("1", 2025);
        EXPECT_EQ(year.On(QDate(2025, 3, 4)).ClientName, QStringLiteral("Durand"));
        EXPECT_EQ(year.On(QDate(2025, 3, 6)).ClientName, QString::fromLatin1(overlapCase.SharedDayClient));
        EXPECT_EQ(year.On(QDate(2025, 3, 9)).ClientName, QStringLiteral("Durand"));
        EXPECT_EQ(year.Figures.RoomBookings, 7);
        EXPECT_EQ(year.Figures.RoomTotal, 430.0);
    }
}

TEST_F(CalendarModel, AnUnnamedClientBeforeAnyBookingMarksItsDaysWithoutColour) {
    Periods.Add("", "1", QDate(2025, 3, 1), QDate(2025, 3, 2), 100)
        .Add("Durand", "1", QDate(2025, 3, 5), QDate(2025, 3, 5), 10);
    const TYearOfRoom year = Compute("1", 2025);
    EXPECT_TRUE(year.On(QDate(2025, 3, 1)).Booked());
    EXPECT_EQ(year.On(QDate(2025, 3, 1)).Color, clBtnFace);
    EXPECT_EQ(year.On(QDate(2025, 3, 5)).Color, BookingColors[0]);
    EXPECT_EQ(year.Figures.RoomBookings, 1);
}

TEST_F(CalendarModel, AgreesWithTheRuleOnARandomHistory) {
    std::mt19937 random(20240517);
    const QStringList rooms = {"1", "2", "Gîte", "gîte", "Suite"};
    const QStringList clients = {"Durand", "Martin", "Le Goff", "???", ""};
    const QDate origin(2022, 11, 1);
    auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    for (int i = 0; i < 600; ++i) {
        const QDate first = origin.addDays(pick(850));
        // From three days before the first day (a period ending before it begins) to three weeks after.
        const QDate last = first.addDays(pick(25) - 3);
        const QTime firstTime = pick(10) == 0 ? QTime(pick(24), pick(60)) : QTime(0, 0);
        const QTime lastTime = pick(10) == 0 ? QTime(pick(24), pick(60)) : QTime(0, 0);
        Periods.AddAt(clients[pick(clients.size())], rooms[pick(rooms.size())],
                      MakeDateTime(first, firstTime), MakeDateTime(last, lastTime), pick(100000) / 100.0);
    }
    EXPECT_EQ(TCalendarModel(Periods.List()).RoomNames(), ReferenceRoomNames(Periods.List()));
    int bookings = 0;
    for (const QString& room : rooms + QStringList{QString(), "GÎTE"})
        for (int year = 2021; year <= 2025; ++year) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(room).arg(year).toStdString());
            bookings += Compute(room, year).Figures.RoomBookings;
        }
    // The history is dense enough for the comparison to mean something.
    EXPECT_GT(bookings, 400);
}
