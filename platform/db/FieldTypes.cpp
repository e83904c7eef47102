#include "platform/db/FieldTypes.h"

#include "platform/db/DateTimeText.h"

#include <QRegularExpression>

TColumnType ColumnTypeFromDeclared(const QString& declaredType) {
    const QString type = declaredType.trimmed().toUpper();
    static const QRegularExpression sized(QStringLiteral(R"(^(?:TEXT|VARCHAR|CHAR)\s*\(\s*(\d+)\s*\)$)"));
    if (const auto match = sized.match(type); match.hasMatch())
        return {TFieldType::String, match.captured(1).toInt()};
    if (type == QLatin1String("INTEGER") || type == QLatin1String("INT") || type == QLatin1String("LONG"))
        return {TFieldType::Integer, 0};
    if (type == QLatin1String("DATETIME") || type == QLatin1String("DATE"))
        return {TFieldType::DateTime, 0};
    if (type == QLatin1String("CURRENCY"))
        return {TFieldType::Currency, 0};
    if (type == QLatin1String("REAL") || type == QLatin1String("DOUBLE") || type == QLatin1String("FLOAT"))
        return {TFieldType::Float, 0};
    return {TFieldType::String, 0};
}

namespace {

// Reads "YYYY-MM-DD", optionally followed by "T" or a space and "HH:MM:SS", digit by digit:
// a snapshot reads two dates per period, and the general date parsers cost far more.
QDateTime DateTimeFromIso(const QString& text) {
    const QString trimmed = text.trimmed();
    const auto number = [&trimmed](int from, int length, int& value) {
        value = 0;
        for (int i = from; i < from + length; ++i) {
            if (i >= trimmed.size() || !trimmed[i].isDigit() || trimmed[i].unicode() > 127)
                return false;
            value = value * 10 + trimmed[i].digitValue();
        }
        return true;
    };
    const auto at = [&trimmed](int i) { return i < trimmed.size() ? trimmed[i] : QChar(); };
    int year = 0, month = 0, day = 0;
    if (!number(0, 4, year) || at(4) != QLatin1Char('-') || !number(5, 2, month) || at(7) != QLatin1Char('-') ||
        !number(8, 2, day))
        return {};
    const QDate date(year, month, day);
    if (!date.isValid())
        return {};
    if (trimmed.size() == 10)
        return MakeDateTime(date);
    int hour = 0, minute = 0, second = 0;
    if (trimmed.size() != 19 || (trimmed[10] != QLatin1Char(' ') && trimmed[10] != QLatin1Char('T')) ||
        !number(11, 2, hour) || trimmed[13] != QLatin1Char(':') || !number(14, 2, minute) ||
        trimmed[16] != QLatin1Char(':') || !number(17, 2, second))
        return {};
    const QTime time(hour, minute, second);
    return time.isValid() ? MakeDateTime(date, time) : QDateTime();
}

} // namespace

QVariant StoredFromSqlite(const QVariant& raw, TFieldType type) {
    if (raw.isNull())
        return {};
    switch (type) {
    case TFieldType::String:
        return raw.toString();
    case TFieldType::Integer:
        return raw.toLongLong();
    case TFieldType::Currency:
        // Written by another program as a decimal: keep it exact to the ten-thousandth.
        if (raw.typeId() == QMetaType::Double)
            return CurrencyFromDouble(raw.toDouble());
        return raw.toLongLong();
    case TFieldType::Float:
        return raw.toDouble();
    case TFieldType::DateTime: {
        // A value that is not an ISO date reads as null rather than as a wrong date.
        const QDateTime value = DateTimeFromIso(raw.toString());
        return value.isValid() ? QVariant(value) : QVariant();
    }
    }
    return {};
}

QVariant SqliteFromStored(const QVariant& stored, TFieldType type) {
    if (stored.isNull())
        return {};
    if (type == TFieldType::DateTime) {
        const QDateTime value = stored.toDateTime();
        if (value.time() == QTime(0, 0))
            return value.date().toString(QStringLiteral("yyyy-MM-dd"));
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return stored;
}
