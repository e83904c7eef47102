#include "platform/Error.h"
#include "platform/db/DateTimeText.h"
#include "platform/os/Clock.h"

#include <gtest/gtest.h>

TEST(DateTimeText, TwoDigitYearsExpandIntoTheWindowAroundTheCurrentYear) {
    struct Case {
        int twoDigits;
        int currentYear;
        int expected;
    };
    const Case cases[] = {
        {76, 2026, 1976}, // 50 years before
        {75, 2026, 2075}, // 49 years after
        {26, 2026, 2026}, {0, 2026, 2000},  {99, 2026, 1999}, {55, 2010, 2055},
        {60, 2010, 1960}, {50, 2000, 1950}, {49, 2000, 2049},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandTwoDigitYear(c.twoDigits, c.currentYear), c.expected) << c.twoDigits << " in " << c.currentYear;
}

TEST(DateTimeText, ReadsDayMonthYearTextWithOptionalTime) {
    Clock::SetFixed(MakeDateTime(QDate(2010, 6, 1)));
    struct Case {
        const char* text;
        QDateTime expected;
    };
    const Case cases[] = {
        {"15/03/55", MakeDateTime(QDate(2055, 3, 15))},
        {"15/03/60", MakeDateTime(QDate(1960, 3, 15))},
        {"1/2/2024", MakeDateTime(QDate(2024, 2, 1))},
        {" 29/02/2000 ", MakeDateTime(QDate(2000, 2, 29))},
        {"10/07/2024 14:30:05", MakeDateTime(QDate(2024, 7, 10), QTime(14, 30, 5))},
        {"10/07/2024 08:15", MakeDateTime(QDate(2024, 7, 10), QTime(8, 15))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrToDateTime(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(DateTimeText, RefusesTextThatIsNoDateWithTheUsualMessage) {
    for (const char* text : {"", "31/02/2024", "2024-03-15", "15/13/24", "aa/bb/cc", "15/03/2024 25:00"}) {
        try {
            StrToDateTime(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted " << text;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Text(),
                      QStringLiteral("'%1' ne correspond pas à une date et une heure correctes").arg(QString::fromUtf8(text)));
        }
    }
}

TEST(DateTimeText, DisplayTextIsTheShortDateThenTheTimeWhenNotMidnight) {
    EXPECT_EQ(DateTimeToStr(MakeDateTime(QDate(2010, 3, 15))), QStringLiteral("15/03/2010"));
    EXPECT_EQ(DateTimeToStr(MakeDateTime(QDate(2010, 3, 15), QTime(9, 5, 7))), QStringLiteral("15/03/2010 09:05:07"));
    const QDateTime roundTrip = MakeDateTime(QDate(1999, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(StrToDateTime(DateTimeToStr(roundTrip)), roundTrip);
}
