// Saving a new period: one row appended to the period table and written to the file at once.
// The row is deleted again outside the timing, so that the file keeps its size from one
// iteration to the next. Timed on the wall clock: the commit waits for the disk.

#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "bench/RawSqlite.h"
#include "data/QuimbelDataModule.h"

#include <QVariant>
#include <benchmark/benchmark.h>

namespace {

void BM_AppendPeriod_Engine(benchmark::State& state) {
    const int periodCount = static_cast<int>(state.range(0));
    TDataModuleQuimbel& module = BenchEngine::SharedModule(periodCount);
    TADOTable& periods = module.ADOTablePeriod;
    const QVariantList values{periodCount,
                              QStringLiteral("Client"),
                              QStringLiteral("12"),
                              QStringLiteral("11/07/24"),
                              QStringLiteral("12/07/24"),
                              10.0,
                              20.0,
                              QVariant() /* SOLDE, calculated */,
                              QStringLiteral("note")};
    for (auto _ : state) {
        periods.AppendRecord(values);
        state.PauseTiming();
        periods.Delete();
        state.ResumeTiming();
    }
    if (periods.RecordCount() != periodCount)
        state.SkipWithError("the period table did not return to its size");
}
BENCHMARK(BM_AppendPeriod_Engine)
    ->Apply(BenchDatabase::PeriodCounts)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

void BM_AppendPeriod_RawSqlite(benchmark::State& state) {
    const int periodCount = static_cast<int>(state.range(0));
    const TRawDatabase database(BenchDatabase::EnterFolder(periodCount));
    TRawStatement insert(database,
                         "INSERT INTO TPeriod (IDPERIODE, NOM, CHAMBRE, DATEDEBUT, DATEFIN, ACCOMPTE, "
                         "TARIF, NOTE) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    TRawStatement remove(database, "DELETE FROM TPeriod WHERE IDPERIODE = ?1");
    const QByteArray nom = QByteArrayLiteral("Client");
    const QByteArray chambre = QByteArrayLiteral("12");
    const QByteArray debut = QByteArrayLiteral("2024-07-11");
    const QByteArray fin = QByteArrayLiteral("2024-07-12");
    const QByteArray note = QByteArrayLiteral("note");
    for (auto _ : state) {
        insert.Bind(1, periodCount);
        insert.Bind(2, nom);
        insert.Bind(3, chambre);
        insert.Bind(4, debut);
        insert.Bind(5, fin);
        insert.Bind(6, qint64(100000));
        insert.Bind(7, qint64(200000));
        insert.Bind(8, note);
        insert.Step();
        insert.Reset();
        state.PauseTiming();
        remove.Bind(1, periodCount);
        remove.Step();
        remove.Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendPeriod_RawSqlite)
    ->Apply(BenchDatabase::PeriodCounts)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace
