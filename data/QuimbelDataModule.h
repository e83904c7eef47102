#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"

#include <QObject>
#include <memory>

class TFreePeriodIdFinder;

// Owns the one connection to the database file and every data set the windows borrow.
// Creating it connects and opens the three tables.
class TDataModuleQuimbel : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleQuimbel(QObject* owner = nullptr);
    ~TDataModuleQuimbel() override;

    TADOConnection ADOConnection;
    TADOTable ADOTableClient;
    TADOTable ADOTableRoom;
    TADOTable ADOTablePeriod;
    TADOQuery ADOQueryQuimbels;
    TADOQuery ADOQueryBilan;
    TDataSource DataSourceBilan;

    TField* ADOTablePeriodIDPERIODE;
    TField* ADOTablePeriodNOM;
    TField* ADOTablePeriodCHAMBRE;
    TField* ADOTablePeriodDATEDEBUT;
    TField* ADOTablePeriodDATEFIN;
    TField* ADOTablePeriodACCOMPTE;
    TField* ADOTablePeriodTARIF;
    TField* ADOTablePeriodSOLDE;
    TField* ADOTablePeriodNOTE;

    void EvOnCalcFieldTPeriod(TDataSet* DataSet);

    // The smallest identifier from 0 up that no period of the file holds.
    qint32 SmallestFreePeriodId();

    // The connection text naming the database file of the current directory.
    static QString ConnectionText();

private:
    std::unique_ptr<TFreePeriodIdFinder> FFreePeriodIds;
};

// The instance created at start-up.
extern TDataModuleQuimbel* DataModuleQuimbel;
