// A whole booking as the main window saves it once the dialog is confirmed: the overlap test,
// the choice of the identifier and the append written to the file. The row is deleted again
// outside the timing. Timed on the wall clock: the commit waits for the disk.

#include "app/Quimbels.h"
#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "data/AddPeriodData.h"
#include "data/QuimbelDataModule.h"
#include "platform/db/DateTimeText.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AddPeriod_Engine(benchmark::State& state) {
    const int periodCount = static_cast<int>(state.range(0));
    TDataModuleQuimbel& module = BenchEngine::SharedModule(periodCount);
    TFormMainQuimbel form;
    form.ConnectDataModule(&module);
    TAddPeriodData period;
    period.NOM = QStringLiteral("Client");
    period.CHAMBRE = BenchDatabase::RoomName(12);
    // After every stay of the file: the test finds no conflict and the period is saved.
    period.DATEDEBUT = MakeDateTime(QDate(2026, 7, 11));
    period.DATEFIN = MakeDateTime(QDate(2026, 7, 12));
    period.ACCOMPTE = 10.0;
    period.TARIF = 20.0;
    TADOTable& periods = module.ADOTablePeriod;
    for (auto _ : state) {
        if (!form.CheckPeriodOverlap(period, TFormMainQuimbel::NewPeriod)) {
            state.SkipWithError("the free period was found overlapping");
            break;
        }
        form.AppendNewPeriod(period);
        state.PauseTiming();
        periods.Delete();
        state.ResumeTiming();
    }
    if (periods.RecordCount() != periodCount)
        state.SkipWithError("the period table did not return to its size");
}
BENCHMARK(BM_AddPeriod_Engine)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
