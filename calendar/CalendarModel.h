#pragma once

#include "calendar/CalSquare.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

class TAddPeriodData;

using TSquareList = std::vector<std::unique_ptr<TCalSquare>>;

// What one computation of a year found: the bookings of the selected room and of all rooms, and
// the colour index of the last booking recognised, -1 when there was none.
struct TCalendarFigures {
    int RoomBookings = 0;
    double RoomTotal = 0.0;
    int AllBookings = 0;
    double AllTotal = 0.0;
    qint32 ColorIndex = -1;
};

// The occupancy of one room over one year, worked out from the period records the calendar opened
// with. The rule compares each day of the year with each period in list order; a booking is
// recognised wherever the client name changes along the year. Comparing 366 days with a business's
// whole history at every change of room or year would be slow, so the periods are indexed once, by
// room and first day, and a computation visits only the days that the room's periods near the year
// cover, in the same day-then-list order, which gives the same marks and figures.
class TCalendarModel {
public:
    // Borrows the records: they must outlive the model and not change.
    explicit TCalendarModel(const QList<TAddPeriodData*>& Periods);

    // The rooms that occur in the periods, distinct without regard to case, each spelled as in the
    // first period that has it, in the order of those first periods.
    QStringList RoomNames() const;

    // Appends the free squares of the year, month by month, to the empty list.
    static void BuildSquares(int Year, TSquareList& Squares);

    // Marks the days that the room's periods cover on freshly built squares of the year. The room
    // name must match exactly; the all-rooms figures count the periods that begin in the year.
    TCalendarFigures ComputeBookings(const QString& Room, int Year, const TSquareList& Squares) const;

private:
    // The days a period covers as day numbers; periods that cover no day are not kept.
    struct TCoverage {
        qint64 FirstDay;
        qint64 LastDay;
        int Period;
    };
    struct TRoom {
        int FirstPeriod;
        // By first day.
        std::vector<TCoverage> Coverages;
        qint64 LongestStay = 0;
    };
    struct TYearTotal {
        int Bookings = 0;
        double Total = 0.0;
    };

    QList<TAddPeriodData*> FPeriods;
    QHash<QString, TRoom> FRooms;
    QHash<int, TYearTotal> FYearTotals;
};
