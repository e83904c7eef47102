#pragma once

#include <QDateTime>
#include <QString>

class TDataSet;

// One rental period, member for member as a row of the period table, with the conversions
// between the row's values and its own.
class TAddPeriodData {
public:
    TAddPeriodData();

    qint32 IDPERIODE;
    QString NOM;
    QString CHAMBRE;
    QDateTime DATEDEBUT;
    QDateTime DATEFIN;
    double ACCOMPTE;
    double TARIF;
    QString NOTE;

    // Fills every member from the current row, by column name. A row without dates cannot be read.
    void LoadFromDataSet(TDataSet* DataSet);
    // Writes every member into the current row, which must be in edit or insert state; dates go
    // in as "dd/mm/yy" text and so become whole days.
    void SaveToDataSet(TDataSet* DataSet) const;

    // The text a date takes on its way to a date column.
    static QString DateText(const QDateTime& value);

    bool operator==(const TAddPeriodData& other) const = default;
};
