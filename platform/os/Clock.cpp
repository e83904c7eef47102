#include "platform/os/Clock.h"

std::optional<QDateTime>& Clock::Fixed() {
    static std::optional<QDateTime> fixed;
    return fixed;
}

QDateTime Clock::Now() {
    if (Fixed())
        return *Fixed();
    // Wall-clock time without a zone, like every date-time value of the program.
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

void Clock::SetFixed(const QDateTime& now) { Fixed() = QDateTime(now.date(), now.time(), Qt::UTC); }

void Clock::Release() { Fixed().reset(); }
