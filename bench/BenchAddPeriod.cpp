// A whole booking as the main window saves it once the dialog is confirmed: the overlap test,
// the choice of the identifier and the append written to the file. Timed on the wall clock: the
// commit waits for the disk.

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
    // The main window's operations find the data module as the program's own instance.
    DataModuleQuimbel = &module;
    TFormMainQuimbel form;
    form.ConnectDataModule(&module);
    TAddPeriodData period;
    period.NOM = QStringLiteral("Client");
    period.CHAMBRE = BenchDatabase::RoomName(12);
    period.ACCOMPTE = 10.0;
    period.TARIF = 20.0;
    TADOTable& periods = module.ADOTablePeriod;
    // Each booking takes the next free days, as bookings do; they are all removed at the end.
    int added = 0;
    for (auto _ : state) {
        period.DATEDEBUT = MakeDateTime(QDate(2026, 1, 1).addDays(2 * added));
        period.DATEFIN = period.DATEDEBUT.addDays(1);
        if (!form.CheckPeriodOverlap(period, TFormMainQuimbel::NewPeriod)) {
            state.SkipWithError("the free period was found overlapping");
            break;
        }
        form.AppendNewPeriod(period);
        ++added;
    }
    for (; added > 0; --added) {
        periods.Last();
        periods.Delete();
    }
    if (periods.RecordCount() != periodCount)
        state.SkipWithError("the period table did not return to its size");
}
BENCHMARK(BM_AddPeriod_Engine)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
