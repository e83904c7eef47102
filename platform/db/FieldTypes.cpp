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

QDateTime DateTimeFromIso(const QString& text) {
    const QString trimmed = text.trimmed();
    QDateTime value = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!value.isValid())
        value = QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (value.isValid())
        return MakeDateTime(value.date(), value.time());
    const QDate date = QDate::fromString(trimmed.left(10), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? MakeDateTime(date) : QDateTime();
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
