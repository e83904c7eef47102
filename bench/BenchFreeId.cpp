// The identifier of a new period: the smallest one from 0 up that no period holds. Identifiers
// here are dense, so every search walks all of them, the worst case.

#include "app/Constants.h"
#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "bench/RawSqlite.h"
#include "data/QuimbelDataModule.h"

#include <benchmark/benchmark.h>

namespace {

void CheckFound(benchmark::State& state, qint64 found) {
    if (found != state.range(0))
        state.SkipWithError("the free identifier found is not the first one after the dense range");
}

void BM_SmallestFreeId_Engine(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    qint32 found = 0;
    for (auto _ : state) {
        found = module.SmallestFreePeriodId();
        benchmark::DoNotOptimize(found);
    }
    CheckFound(state, found);
}
BENCHMARK(BM_SmallestFreeId_Engine)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond);

// The documented way: one probe query per identifier in use until one finds no row. Quadratic
// in spirit and far too slow at 100k to be worth the wait, hence the two smaller sizes only.
void BM_SmallestFreeId_ProbeQueries(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    TADOQuery& query = module.ADOQueryQuimbels;
    qint64 found = 0;
    for (auto _ : state) {
        for (found = 0;; ++found) {
            BenchEngine::RunQuery(
                query, BenchEngine::Filled(Constants::SqlPeriodIdProbe,
                                           {{QStringLiteral("'IDPERIODE'"), QString::number(found)}}));
            if (query.RecordCount() == 0)
                break;
        }
    }
    query.Close();
    CheckFound(state, found);
}
BENCHMARK(BM_SmallestFreeId_ProbeQueries)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SmallestFreeId_RawSqlite(benchmark::State& state) {
    const TRawDatabase database(BenchDatabase::EnterFolder(static_cast<int>(state.range(0))));
    TRawStatement identifiers(database,
                              "SELECT IDPERIODE FROM TPeriod WHERE IDPERIODE >= 0 ORDER BY IDPERIODE");
    qint64 found = 0;
    for (auto _ : state) {
        found = 0;
        while (identifiers.Step() && identifiers.Integer(0) == found)
            ++found;
        identifiers.Reset();
        benchmark::DoNotOptimize(found);
    }
    CheckFound(state, found);
}
BENCHMARK(BM_SmallestFreeId_RawSqlite)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond);

} // namespace
