#include "calendar/CalSquare.h"

#include "calendar/Canvas.h"

#include <QPainter>

const QString FreeDayName = QStringLiteral("???");

namespace {

// Rectangles are given by their edges, right and bottom excluded, as the window's layout gives them.
QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// Initials of the weekdays, Sunday first.
constexpr char WeekdayLetters[] = "DLMMJVS";

constexpr QRgb Gray = 0x808080;

} // namespace

TCalSquare::TCalSquare(int Left, int Top, int Width, int Height, const QDate& Date, const QString& ClientName)
    : Left(Left), Top(Top), Width(Width), Height(Height), Day(Date.day()),
      DayLetter(WeekdayLetters[Date.dayOfWeek() % 7]),
      RectSquare(Edges(Left, Top, Left + Width + 1, Top + Height + 1)),
      RectLetter(Edges(Left + 2, Top + 2, Left + 16, Top + Height - 2)),
      RectDay(Edges(Left + 21, Top + 2, Left + 35, Top + Height - 2)),
      RectMark(Edges(Left + Width - 24, Top + 1, Left + Width - 4, Top + Height)), ClientName(ClientName),
      Date(Date), Color(clBtnFace) {}

void TCalSquare::Draw(QPainter& Canvas) const {
    const bool sunday = DayLetter == 'D';
    const QColor background = sunday ? QColor::fromRgb(Gray) : ToQColor(clBtnFace);
    if (sunday)
        Canvas.fillRect(RectSquare, background);
    QFont font = Canvas.font();
    font.setBold(sunday);
    Canvas.setFont(font);
    TextOut(Canvas, RectLetter.topLeft(), QString(QLatin1Char(DayLetter)), Qt::black, background);
    TextOut(Canvas, RectDay.topLeft(), QString::number(Day), Qt::black, background);
    FrameRect(Canvas, RectSquare, Qt::black);
    if (Booked())
        Canvas.fillRect(RectMark, ToQColor(Color));
}
