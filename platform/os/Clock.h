#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <optional>

// The one source of "today" and "now": tests fix it so that nothing depends on the machine's date.
class Clock {
public:
    static QDateTime Now();
    static QDate Today() { return Now().date(); }
    static int CurrentYear() { return Today().year(); }

    static void SetFixed(const QDateTime& now);
    static void Release();

private:
    static std::optional<QDateTime>& Fixed();
};
