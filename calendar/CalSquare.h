#pragma once

#include "calendar/CalendarColors.h"

#include <QDate>
#include <QRect>
#include <QString>

class QPainter;

// The client name of a free day.
extern const QString FreeDayName;

// One day of the displayed year: where the window paints it, what it writes in it, and the
// booking that covers the day, if any.
class TCalSquare {
public:
    TCalSquare(int Left, int Top, int Width, int Height, const QDate& Date, const QString& ClientName);

    qint32 Left;
    qint32 Top;
    qint32 Width;
    qint32 Height;
    qint32 Day;
    char DayLetter;
    // The outline; with its right and bottom lines it is also the square's area for the pointer.
    QRect RectSquare;
    QRect RectLetter;
    QRect RectDay;
    // The booking mark, at the right of the square.
    QRect RectMark;
    QString ClientName;
    QDate Date;
    TColor Color;

    bool Booked() const { return ClientName != FreeDayName; }
    // Paints the square with the canvas font: regular on weekdays, bold on Sundays.
    void Draw(QPainter& Canvas) const;
};
