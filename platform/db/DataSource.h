#pragma once

class TDataSet;

// Binds controls to a data set; the controls follow whichever data set it names.
class TDataSource {
public:
    explicit TDataSource(TDataSet* dataSet = nullptr) : FDataSet(dataSet) {}
    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* dataSet) { FDataSet = dataSet; }

private:
    TDataSet* FDataSet;
};
