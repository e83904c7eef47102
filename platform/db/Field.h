#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;

enum class TFieldType { String, Integer, DateTime, Currency, Float };
enum class TFieldKind { Data, Calculated };

// One column of a data set. Values are kept in their stored form: text, a 64-bit integer,
// a date-time, a count of ten-thousandths for currency, a double for floats; a null is an
// invalid QVariant. The accessors read and write the data set's active record.
class TField {
public:
    TField(TDataSet* dataSet, int index, const QString& fieldName, TFieldType dataType, int size = 0,
           TFieldKind fieldKind = TFieldKind::Data);

    const QString& FieldName() const { return FFieldName; }
    TFieldType DataType() const { return FDataType; }
    TFieldKind FieldKind() const { return FFieldKind; }
    int Size() const { return FSize; }
    int Index() const { return FIndex; }
    TDataSet* DataSet() const { return FDataSet; }

    int DisplayWidth() const { return FDisplayWidth; }
    void SetDisplayWidth(int width) { FDisplayWidth = width; }
    const QString& EditMask() const { return FEditMask; }
    void SetEditMask(const QString& mask) { FEditMask = mask; }

    bool IsNull() const;
    QVariant Value() const;
    QString AsString() const;
    qint32 AsInteger() const;
    double AsFloat() const;
    QDateTime AsDateTime() const;
    QString DisplayText() const;

    void SetAsString(const QString& text);
    void SetAsInteger(qint64 value);
    void SetAsFloat(double value);
    void SetAsDateTime(const QDateTime& value);
    // Assigns by the variant's own type: text through SetAsString, numbers, date-times; null clears.
    void SetAsVariant(const QVariant& value);
    void Clear();

    // The same conversions on any stored value, so that a grid can show a row without moving the cursor.
    QString TextOf(const QVariant& stored) const;
    QString DisplayTextOf(const QVariant& stored) const;

private:
    void Assign(const QVariant& stored);

    TDataSet* FDataSet;
    int FIndex;
    QString FFieldName;
    TFieldType FDataType;
    int FSize;
    TFieldKind FFieldKind;
    int FDisplayWidth = 0;
    QString FEditMask;
};

// Currency is an exact count of ten-thousandths; a double is rounded to it half to even.
qint64 CurrencyFromDouble(double value);
double CurrencyToDouble(qint64 tenThousandths);
