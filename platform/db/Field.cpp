#include "platform/db/Field.h"

#include "platform/Error.h"
#include "platform/db/DataSet.h"
#include "platform/db/DateTimeText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

qint64 CurrencyFromDouble(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 9.2e14)
        throw EConvertError(QStringLiteral("Le montant %1 est hors des limites permises.").arg(value));
    // Round the decimal text, not the binary value, so that 0.00005 counts as a half.
    const QString text = QString::number(std::fabs(value), 'f', 8);
    const int point = static_cast<int>(text.indexOf(QLatin1Char('.')));
    qint64 units = text.left(point).toLongLong() * 10000 + text.mid(point + 1, 4).toLongLong();
    const QString rest = text.mid(point + 5);
    const int firstRest = rest.at(0).digitValue();
    const bool restBeyondHalf = rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (firstRest > 5 || (firstRest == 5 && (restBeyondHalf || units % 2 == 1)))
        ++units;
    return value < 0 ? -units : units;
}

double CurrencyToDouble(qint64 tenThousandths) { return static_cast<double>(tenThousandths) / 10000.0; }

TField::TField(TDataSet* dataSet, int index, const QString& fieldName, TFieldType dataType, int size,
               TFieldKind fieldKind)
    : FDataSet(dataSet), FIndex(index), FFieldName(fieldName), FDataType(dataType), FSize(size),
      FFieldKind(fieldKind) {}

QVariant TField::Value() const { return FDataSet->ActiveValue(Index()); }

bool TField::IsNull() const { return Value().isNull(); }

QString TField::AsString() const { return TextOf(Value()); }

qint32 TField::AsInteger() const {
    const QVariant stored = Value();
    if (stored.isNull())
        return 0;
    switch (FDataType) {
    case TFieldType::Integer:
        return static_cast<qint32>(stored.toLongLong());
    case TFieldType::Currency:
        return static_cast<qint32>(std::llround(CurrencyToDouble(stored.toLongLong())));
    case TFieldType::Float:
        return static_cast<qint32>(std::llround(stored.toDouble()));
    case TFieldType::String: {
        bool ok = false;
        const int value = stored.toString().trimmed().toInt(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(stored.toString()));
        return value;
    }
    case TFieldType::DateTime:
        break;
    }
    throw EConvertError(QStringLiteral("Le champ '%1' ne peut pas être lu comme un entier").arg(FFieldName));
}

double TField::AsFloat() const {
    const QVariant stored = Value();
    if (stored.isNull())
        return 0.0;
    switch (FDataType) {
    case TFieldType::Integer:
        return static_cast<double>(stored.toLongLong());
    case TFieldType::Currency:
        return CurrencyToDouble(stored.toLongLong());
    case TFieldType::Float:
        return stored.toDouble();
    case TFieldType::String: {
        bool ok = false;
        const double value = QLocale().toDouble(stored.toString().trimmed(), &ok);
        if (!ok)
            throw EConvertError(
                QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(stored.toString()));
        return value;
    }
    case TFieldType::DateTime:
        break;
    }
    throw EConvertError(QStringLiteral("Le champ '%1' ne peut pas être lu comme un nombre").arg(FFieldName));
}

QDateTime TField::AsDateTime() const {
    const QVariant stored = Value();
    if (stored.isNull())
        return ZeroDateTime();
    if (FDataType == TFieldType::DateTime)
        return stored.toDateTime();
    return StrToDateTime(stored.toString());
}

QString TField::TextOf(const QVariant& stored) const {
    if (stored.isNull())
        return {};
    // Amounts are shown and typed without grouping.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    switch (FDataType) {
    case TFieldType::String:
        return stored.toString();
    case TFieldType::Integer:
        return QString::number(stored.toLongLong());
    case TFieldType::DateTime:
        return DateTimeToStr(stored.toDateTime());
    case TFieldType::Currency:
        return locale.toString(CurrencyToDouble(stored.toLongLong()), 'g', 19);
    case TFieldType::Float:
        return locale.toString(stored.toDouble(), 'g', 15);
    }
    return {};
}

QString TField::DisplayTextOf(const QVariant& stored) const {
    if (stored.isNull() || (FDataType != TFieldType::Currency && FDataType != TFieldType::Float))
        return TextOf(stored);
    if (FDataType == TFieldType::Float && FFieldKind == TFieldKind::Data)
        return TextOf(stored);
    // Amounts show in the user's currency format, without grouping, with an ordinary space.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double value = FDataType == TFieldType::Currency ? CurrencyToDouble(stored.toLongLong()) : stored.toDouble();
    // A minus sign rather than the brackets Qt puts around negative amounts.
    QString text = locale.toCurrencyString(std::fabs(value), locale.currencySymbol(), 2);
    if (value < 0 && std::round(value * 100) != 0)
        text.prepend(locale.negativeSign());
    text.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
    return text;
}

QString TField::DisplayText() const { return DisplayTextOf(Value()); }

void TField::Assign(const QVariant& stored) { FDataSet->SetActiveValue(Index(), stored); }

void TField::Clear() { Assign(QVariant()); }

void TField::SetAsString(const QString& text) {
    switch (FDataType) {
    case TFieldType::String:
        // A column of N characters keeps the first N characters, never half a character.
        Assign(FSize > 0 && text.size() > FSize ? text.left(FSize) : text);
        return;
    case TFieldType::Integer: {
        if (text.trimmed().isEmpty())
            return Clear();
        bool ok = false;
        const qint64 value = text.trimmed().toLongLong(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
        return SetAsInteger(value);
    }
    case TFieldType::DateTime:
        if (text.trimmed().isEmpty())
            return Clear();
        return SetAsDateTime(StrToDateTime(text));
    case TFieldType::Currency:
    case TFieldType::Float: {
        if (text.trimmed().isEmpty())
            return Clear();
        bool ok = false;
        QString plain = text.trimmed();
        plain.remove(QLocale().currencySymbol()).remove(QChar(0x202F)).remove(QChar(0x00A0));
        const double value = QLocale().toDouble(plain.trimmed(), &ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(text));
        return SetAsFloat(value);
    }
    }
}

void TField::SetAsInteger(qint64 value) {
    switch (FDataType) {
    case TFieldType::Integer:
        if (value < INT32_MIN || value > INT32_MAX)
            throw EConvertError(QStringLiteral("%1 est hors des limites d'un entier long").arg(value));
        return Assign(value);
    case TFieldType::Currency:
    case TFieldType::Float:
        return SetAsFloat(static_cast<double>(value));
    case TFieldType::String:
        return SetAsString(QString::number(value));
    case TFieldType::DateTime:
        break;
    }
    throw EConvertError(QStringLiteral("Le champ '%1' ne reçoit pas d'entier").arg(FFieldName));
}

void TField::SetAsFloat(double value) {
    switch (FDataType) {
    case TFieldType::Currency:
        return Assign(CurrencyFromDouble(value));
    case TFieldType::Float:
        return Assign(value);
    case TFieldType::Integer:
        return SetAsInteger(std::llround(value));
    case TFieldType::String:
        return SetAsString(QLocale().toString(value, 'g', 15));
    case TFieldType::DateTime:
        break;
    }
    throw EConvertError(QStringLiteral("Le champ '%1' ne reçoit pas de nombre").arg(FFieldName));
}

void TField::SetAsDateTime(const QDateTime& value) {
    // The file keeps date-times to the second: the snapshot holds what the file holds.
    const QTime time = value.time();
    if (FDataType == TFieldType::DateTime)
        return Assign(MakeDateTime(value.date(), QTime(time.hour(), time.minute(), time.second())));
    if (FDataType == TFieldType::String)
        return SetAsString(DateTimeToStr(value));
    throw EConvertError(QStringLiteral("Le champ '%1' ne reçoit pas de date").arg(FFieldName));
}

void TField::SetAsVariant(const QVariant& value) {
    if (value.isNull())
        return Clear();
    switch (value.typeId()) {
    case QMetaType::QString:
        return SetAsString(value.toString());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return SetAsInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return SetAsFloat(value.toDouble());
    case QMetaType::QDateTime:
        return SetAsDateTime(value.toDateTime());
    case QMetaType::QDate:
        return SetAsDateTime(MakeDateTime(value.toDate()));
    default:
        return SetAsString(value.toString());
    }
}
