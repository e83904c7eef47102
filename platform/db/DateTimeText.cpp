#include "platform/db/DateTimeText.h"

#include "platform/Error.h"
#include "platform/os/Clock.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

QDateTime MakeDateTime(const QDate& date, const QTime& time) { return QDateTime(date, time, Qt::UTC); }

QDateTime ZeroDateTime() { return MakeDateTime(QDate(1899, 12, 30)); }

int ExpandTwoDigitYear(int twoDigits, int currentYear) {
    const int lowest = currentYear - 50;
    int year = lowest - ((lowest % 100) + 100) % 100 + twoDigits;
    if (year < lowest)
        year += 100;
    return year;
}

QString DateTimeToStr(const QDateTime& value) {
    const QLocale locale;
    QString text = locale.toString(value.date(), QLocale::ShortFormat);
    if (value.time() != QTime(0, 0))
        text += QLatin1Char(' ') + value.time().toString(QStringLiteral("HH:mm:ss"));
    return text;
}

QDateTime StrToDateTime(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})[/.\-](\d{1,2})[/.\-](\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    auto fail = [&text]() {
        return EConvertError(QStringLiteral("'%1' ne correspond pas à une date et une heure correctes").arg(text));
    };
    if (!match.hasMatch())
        throw fail();
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) == 2)
        year = ExpandTwoDigitYear(year, Clock::CurrentYear());
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    QTime time(0, 0);
    if (match.capturedLength(4) > 0)
        time = QTime(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        throw fail();
    return MakeDateTime(date, time);
}
