#include "calendar/CalendarModel.h"

#include "data/AddPeriodData.h"

#include <QSet>
#include <algorithm>
#include <utility>

namespace {

constexpr int MonthCount = 12;
constexpr int RowCount = 31;
constexpr int SquareWidth = 75;
constexpr int SquareHeight = 16;
constexpr int GridLeft = 10;
constexpr int GridTop = 30;

constexpr qint64 MSecsPerDay = 86400000;
constexpr qint64 UnixEpochJulianDay = 2440588;

// A day is covered when its midnight lies between the period's first and last moments, so a first
// moment later than midnight leaves its own day out. Moments are counted in milliseconds, which
// spares a calendar conversion per period.
qint64 FirstCoveredDay(const QDateTime& first) {
    const qint64 msecs = first.toMSecsSinceEpoch();
    return msecs / MSecsPerDay + (msecs % MSecsPerDay > 0 ? 1 : 0) + UnixEpochJulianDay;
}

qint64 LastCoveredDay(const QDateTime& last) {
    const qint64 msecs = last.toMSecsSinceEpoch();
    return msecs / MSecsPerDay - (msecs % MSecsPerDay < 0 ? 1 : 0) + UnixEpochJulianDay;
}

} // namespace

TCalendarModel::TCalendarModel(const QList<TAddPeriodData*>& Periods) : FPeriods(Periods) {
    for (int i = 0; i < FPeriods.size(); ++i) {
        const TAddPeriodData& period = *FPeriods[i];
        TYearTotal& year = FYearTotals[period.DATEDEBUT.date().year()];
        ++year.Bookings;
        year.Total += period.TARIF;

        auto room = FRooms.find(period.CHAMBRE);
        if (room == FRooms.end())
            room = FRooms.insert(period.CHAMBRE, TRoom{i, {}, 0});
        const qint64 firstDay = FirstCoveredDay(period.DATEDEBUT);
        const qint64 lastDay = LastCoveredDay(period.DATEFIN);
        if (firstDay > lastDay)
            continue;
        room->Coverages.push_back({firstDay, lastDay, i});
        room->LongestStay = std::max(room->LongestStay, lastDay - firstDay);
    }
    for (TRoom& room : FRooms)
        std::sort(room.Coverages.begin(), room.Coverages.end(),
                  [](const TCoverage& a, const TCoverage& b) { return a.FirstDay < b.FirstDay; });
}

QStringList TCalendarModel::RoomNames() const {
    std::vector<std::pair<int, QString>> byFirstPeriod;
    byFirstPeriod.reserve(static_cast<size_t>(FRooms.size()));
    for (auto room = FRooms.cbegin(); room != FRooms.cend(); ++room)
        byFirstPeriod.emplace_back(room->FirstPeriod, room.key());
    std::sort(byFirstPeriod.begin(), byFirstPeriod.end());
    QStringList names;
    QSet<QString> folded;
    for (const auto& [firstPeriod, name] : byFirstPeriod) {
        const QString key = name.toCaseFolded();
        if (folded.contains(key))
            continue;
        folded.insert(key);
        names << name;
    }
    return names;
}

void TCalendarModel::BuildSquares(int Year, TSquareList& Squares) {
    QDate date(Year, 1, 1);
    for (int month = 0; month < MonthCount; ++month)
        for (int row = 0; row < RowCount && date.month() == month + 1; ++row) {
            Squares.push_back(std::make_unique<TCalSquare>(SquareWidth * month + GridLeft,
                                                           SquareHeight * row + GridTop, SquareWidth,
                                                           SquareHeight, date, FreeDayName));
            date = date.addDays(1);
        }
}

TCalendarFigures TCalendarModel::ComputeBookings(const QString& Room, int Year,
                                                 const TSquareList& Squares) const {
    TCalendarFigures figures;
    // The all-rooms figures are taken while the first day is looked at: a year without days has none.
    if (Squares.empty())
        return figures;
    if (const auto year = FYearTotals.constFind(Year); year != FYearTotals.cend()) {
        figures.AllBookings = year->Bookings;
        figures.AllTotal = year->Total;
    }
    const auto room = FRooms.constFind(Room);
    if (room == FRooms.cend())
        return figures;

    const qint64 yearFirstDay = Squares.front()->Date.toJulianDay();
    const qint64 yearLastDay = Squares.back()->Date.toJulianDay();
    const std::vector<TCoverage>& coverages = room->Coverages;
    const auto byFirstDay = [](const TCoverage& coverage, qint64 day) { return coverage.FirstDay < day; };
    // No period that begins before this can reach into the year.
    const auto begin =
        std::lower_bound(coverages.begin(), coverages.end(), yearFirstDay - room->LongestStay, byFirstDay);
    const auto end = std::lower_bound(begin, coverages.end(), yearLastDay + 1, byFirstDay);

    // Each covered day of the year with the period covering it, in the order the rule visits them.
    std::vector<std::pair<qint64, int>> visits;
    for (auto coverage = begin; coverage != end; ++coverage)
        for (qint64 day = std::max(coverage->FirstDay, yearFirstDay);
             day <= std::min(coverage->LastDay, yearLastDay); ++day)
            visits.emplace_back(day, coverage->Period);
    std::sort(visits.begin(), visits.end());

    QString runningName;
    for (const auto& [day, periodIndex] : visits) {
        const TAddPeriodData& period = *FPeriods[periodIndex];
        if (period.NOM != runningName) {
            runningName = period.NOM;
            figures.ColorIndex = (figures.ColorIndex + 1) % BookingColorCount;
            ++figures.RoomBookings;
            figures.RoomTotal += period.TARIF;
        }
        TCalSquare& square = *Squares[static_cast<size_t>(day - yearFirstDay)];
        square.ClientName = runningName;
        // A period without a client name, before any booking, has no colour to take: its days keep
        // the colour they were built with.
        if (figures.ColorIndex >= 0)
            square.Color = BookingColors[static_cast<size_t>(figures.ColorIndex)];
    }
    return figures;
}
