#pragma once

#include "platform/db/DataSet.h"

// Binds controls to a data set; the controls follow whichever data set it names.
class TDataSource {
public:
    explicit TDataSource(TDataSet* dataSet = nullptr) : FDataSet(dataSet) {}
    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* dataSet) { FDataSet = dataSet; }

private:
    TDataSet* FDataSet;
};

// Keeps a control registered with the data set that a data source names at the time of
// SetDataSource, and unregistered when the control goes.
class TDataLink {
public:
    explicit TDataLink(TDataSetObserver* observer) : FObserver(observer) {}
    ~TDataLink() { SetDataSource(nullptr); }
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    void SetDataSource(TDataSource* dataSource) {
        if (FDataSet != nullptr)
            FDataSet->RemoveObserver(FObserver);
        FDataSource = dataSource;
        FDataSet = dataSource != nullptr ? dataSource->DataSet() : nullptr;
        if (FDataSet != nullptr)
            FDataSet->AddObserver(FObserver);
    }
    TDataSource* DataSource() const { return FDataSource; }
    TDataSet* DataSet() const { return FDataSet; }

private:
    TDataSetObserver* FObserver;
    TDataSource* FDataSource = nullptr;
    TDataSet* FDataSet = nullptr;
};
