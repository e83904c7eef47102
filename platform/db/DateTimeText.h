#pragma once

#include <QDateTime>
#include <QString>

// Date-time values are wall-clock times without a zone (kept as UTC so that no daylight-saving
// gap can move them). The zero date is 30 December 1899, midnight.
QDateTime MakeDateTime(const QDate& date, const QTime& time = QTime(0, 0));
QDateTime ZeroDateTime();

// The year ending in the two digits given that lies between 50 years before and 49 years after
// the current year: the one window used for every two-digit year of the program.
int ExpandTwoDigitYear(int twoDigits, int currentYear);

// Display text of a date-time: the locale's short date, then the time when it is not midnight.
QString DateTimeToStr(const QDateTime& value);

// Reads a date written day, month, year (two or four digits), optionally followed by a time.
// Throws EConvertError "'%s' ne correspond pas à une date et une heure correctes".
QDateTime StrToDateTime(const QString& text);
