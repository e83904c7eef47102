#include "platform/report/QRMask.h"

#include <QLocale>
#include <cmath>

namespace {

bool IsDigitPlaceholder(QChar c) {
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

// The digits of the magnitude rounded to the given decimals, without a point: 80.505 and 2
// decimals give "8051". Printing more decimals than kept first lets the decimal value decide a
// half, not the binary number nearest to it.
QString RoundedDigits(double magnitude, int decimals) {
    constexpr int GuardDigits = 6;
    QString digits = QString::number(magnitude, 'f', decimals + GuardDigits);
    digits.remove(QLatin1Char('.'));
    const bool roundUp = digits.at(digits.size() - GuardDigits) >= QLatin1Char('5');
    digits.chop(GuardDigits);
    if (roundUp) {
        int position = static_cast<int>(digits.size()) - 1;
        while (position >= 0 && digits.at(position) == QLatin1Char('9'))
            digits[position--] = QLatin1Char('0');
        if (position < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[position] = QChar(digits.at(position).unicode() + 1);
    }
    return digits;
}

} // namespace

QString FormatMask(double value, const QString& mask) {
    qsizetype first = 0;
    while (first < mask.size() && !IsDigitPlaceholder(mask.at(first)))
        ++first;
    qsizetype last = mask.size() - 1;
    while (last >= first && !IsDigitPlaceholder(mask.at(last)))
        --last;
    const QString prefix = mask.left(first);
    const QString suffix = mask.mid(last + 1);
    const QString digitMask = mask.mid(first, last - first + 1);
    const qsizetype point = digitMask.indexOf(QLatin1Char('.'));
    const QString integerMask = point < 0 ? digitMask : digitMask.left(point);
    const QString decimalMask = point < 0 ? QString() : digitMask.mid(point + 1);
    const int minimumIntegers = static_cast<int>(integerMask.count(QLatin1Char('0')));
    const int minimumDecimals = static_cast<int>(decimalMask.count(QLatin1Char('0')));
    const int decimals = minimumDecimals + static_cast<int>(decimalMask.count(QLatin1Char('#')));

    const QString digits = RoundedDigits(std::fabs(value), decimals);
    QString integerPart = digits.left(digits.size() - decimals);
    while (integerPart.startsWith(QLatin1Char('0')))
        integerPart.remove(0, 1);
    integerPart = integerPart.rightJustified(minimumIntegers, QLatin1Char('0'));
    QString decimalPart = digits.right(decimals);
    while (decimalPart.size() > minimumDecimals && decimalPart.endsWith(QLatin1Char('0')))
        decimalPart.chop(1);

    const bool negative = value < 0 && digits.count(QLatin1Char('0')) != digits.size();
    QString text = prefix + integerPart;
    if (!decimalPart.isEmpty())
        text += QLocale().decimalPoint() + decimalPart;
    text += suffix;
    return negative ? QLocale().negativeSign() + text : text;
}
