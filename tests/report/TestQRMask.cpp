#include "platform/report/QRMask.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(QRMask, WritesAmountsThroughTheMask) {
    struct Case {
        double value;
        const char* mask;
        const char* expected;
    };
    const Case cases[] = {
        {80.5, "0.00 €", "80,50 €"},
        {0.0, "0.00 €", "0,00 €"},
        {0.07, "0.00 €", "0,07 €"},
        {1234567.891, "0.00 €", "1234567,89 €"},
        // Halves go away from zero on the decimal value, whatever the nearest binary number.
        {2.675, "0.00 €", "2,68 €"},
        {80.505, "0.00 €", "80,51 €"},
        {9.995, "0.00 €", "10,00 €"},
        {-3.456, "0.00 €", "-3,46 €"},
        {-0.001, "0.00 €", "0,00 €"},
        {12.3, "0.0#", "12,3"},
        {12.345, "0.0#", "12,35"},
        {7.0, "000", "007"},
        {1.5, "Total : 0 €", "Total : 2 €"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMask(c.value, QString::fromUtf8(c.mask)), QString::fromUtf8(c.expected))
            << c.value << " " << c.mask;
}

TEST(QRMask, FollowsTheUsersDecimalSeparator) {
    const QLocale french;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QString text = FormatMask(80.5, QStringLiteral("0.00 €"));
    QLocale::setDefault(french);
    EXPECT_EQ(text, QStringLiteral("80.50 €"));
}
