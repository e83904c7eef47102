#pragma once

#include "SqlFixture.h"

#include "app/Quimbels.h"
#include "data/QuimbelDataModule.h"
#include "platform/os/Clock.h"
#include "platform/ui/Dialogs.h"

#include <gtest/gtest.h>
#include <memory>

// Counts the openings of a query: for the statement query, one per rebuild.
struct OpenCounter : TDataSetObserver {
    explicit OpenCounter(TDataSet* dataSet) : DataSet(dataSet) { DataSet->AddObserver(this); }
    ~OpenCounter() override { DataSet->RemoveObserver(this); }
    void DataEvent(TDataEvent event, int) override {
        if (event == TDataEvent::DataSetChanged && DataSet->Active())
            ++Opens;
    }
    TDataSet* DataSet;
    int Opens = 0;
};

// A main window over a small database, bound to its data module as start-up binds them.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Clock::SetFixed(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
        CreateQuimbelsDatabase();
        ExecSql(QStringLiteral("Quimbels.mdb"), FixtureSql());
    }

    virtual QString FixtureSql() const { return {}; }

    // Creates the window and the data module in the order of start-up.
    void Start() {
        TFormMainQuimbel::LastBilanMode = -5;
        Form = std::make_unique<TFormMainQuimbel>();
        Module = std::make_unique<TDataModuleQuimbel>();
        DataModuleQuimbel = Module.get();
        Form->ConnectDataModule(Module.get());
    }

    void TearDown() override {
        Form.reset();
        Module.reset();
    }

    QList<QVariantList> Rows(const QString& sql) const { return QuerySql(QStringLiteral("Quimbels.mdb"), sql); }

    TDialogAnswers Answers;
    std::unique_ptr<TFormMainQuimbel> Form;
    std::unique_ptr<TDataModuleQuimbel> Module;
};
