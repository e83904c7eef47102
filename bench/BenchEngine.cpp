#include "bench/BenchEngine.h"

#include "bench/BenchDatabase.h"
#include "data/QuimbelDataModule.h"

#include <memory>

namespace BenchEngine {

namespace {

struct TSharedModule {
    int PeriodCount = 0;
    std::unique_ptr<TDataModuleQuimbel> Module;
};

TSharedModule& Shared() {
    static TSharedModule shared;
    return shared;
}

} // namespace

TDataModuleQuimbel& SharedModule(int periodCount) {
    TSharedModule& shared = Shared();
    BenchDatabase::EnterFolder(periodCount);
    if (!shared.Module || shared.PeriodCount != periodCount) {
        shared.Module.reset();
        shared.Module = std::make_unique<TDataModuleQuimbel>();
        shared.PeriodCount = periodCount;
    }
    return *shared.Module;
}

void ReleaseSharedModule() {
    Shared().Module.reset();
}

void RunQuery(TADOQuery& query, const QString& sql) {
    query.Close();
    query.SQL.clear();
    query.SQL << sql;
    query.Open();
}

QString Filled(const QString& templateText, const std::vector<std::pair<QString, QString>>& values) {
    QString text = templateText;
    for (const auto& [placeholder, value] : values)
        text.replace(placeholder, value);
    return text;
}

} // namespace BenchEngine
