// Starting the program: the data module connects and reads the three tables whole.

#include "bench/BenchDatabase.h"
#include "bench/RawSqlite.h"
#include "data/QuimbelDataModule.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace {

void BM_OpenModule_Engine(benchmark::State& state) {
    BenchDatabase::EnterFolder(static_cast<int>(state.range(0)));
    std::optional<TDataModuleQuimbel> module;
    for (auto _ : state) {
        module.emplace();
        benchmark::DoNotOptimize(module->ADOTablePeriod.RecordCount());
        // Freeing the rows is the closing of the program, not its opening.
        state.PauseTiming();
        module.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenModule_Engine)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMillisecond);

void BM_OpenModule_RawSqlite(benchmark::State& state) {
    const QString path = BenchDatabase::EnterFolder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TRawDatabase database(path);
        int rows = 0;
        for (const char* sql :
             {"SELECT rowid, * FROM TClient ORDER BY rowid", "SELECT rowid, * FROM TRoom ORDER BY rowid",
              "SELECT rowid, * FROM TPeriod ORDER BY rowid"})
            rows += TRawStatement(database, sql).ReadAll();
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_OpenModule_RawSqlite)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMillisecond);

} // namespace
