#pragma once

#include "data/AddPeriodData.h"
#include "platform/db/DateTimeText.h"

#include <QList>
#include <memory>
#include <vector>

// Period records made by a test, and the list of them that the calendar borrows.
class TTestPeriods {
public:
    TTestPeriods& Add(const QString& client, const QString& room, const QDate& first, const QDate& last,
                      double price = 0.0) {
        return AddAt(client, room, MakeDateTime(first), MakeDateTime(last), price);
    }

    TTestPeriods& AddAt(const QString& client, const QString& room, const QDateTime& first,
                        const QDateTime& last, double price) {
        auto record = std::make_unique<TAddPeriodData>();
        record->IDPERIODE = static_cast<qint32>(FRecords.size());
        record->NOM = client;
        record->CHAMBRE = room;
        record->DATEDEBUT = first;
        record->DATEFIN = last;
        record->TARIF = price;
        FList.append(record.get());
        FRecords.push_back(std::move(record));
        return *this;
    }

    const QList<TAddPeriodData*>& List() const { return FList; }

private:
    std::vector<std::unique_ptr<TAddPeriodData>> FRecords;
    QList<TAddPeriodData*> FList;
};
