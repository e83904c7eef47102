// The annual calendar: opening it (one period record per row of the period table, the room index,
// the first year of the first room) and then each change of room or year, which must stay instant
// however long the business's history. The window's own controls cost the same at every size and
// are left out, so that the benchmarks run without a display.

#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "calendar/CalendarModel.h"
#include "calendar/PeriodRecords.h"
#include "data/QuimbelDataModule.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace {

// Within the ten years of the benchmark files.
constexpr int FirstYear = 2015;
constexpr int YearCount = 10;

int MarkedDays(const TSquareList& squares) {
    int marked = 0;
    for (const auto& square : squares)
        marked += square->Booked() ? 1 : 0;
    return marked;
}

void BM_CalendarOpen(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    std::optional<TPeriodRecords> records;
    qint64 marked = 0;
    for (auto _ : state) {
        records.emplace(module.ADOTablePeriod);
        const TCalendarModel model(records->List());
        const QStringList rooms = model.RoomNames();
        TSquareList squares;
        TCalendarModel::BuildSquares(FirstYear + YearCount / 2, squares);
        benchmark::DoNotOptimize(model.ComputeBookings(rooms.front(), FirstYear + YearCount / 2, squares));
        marked += MarkedDays(squares);
        // Freeing the records is the closing of the calendar, not its opening.
        state.PauseTiming();
        records.reset();
        state.ResumeTiming();
    }
    state.counters["marked"] = benchmark::Counter(double(marked), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalendarOpen)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMillisecond);

// Each iteration shows the next room, so that no two in a row walk the same periods.
void BM_CalendarChangeRoom(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    const TPeriodRecords records(module.ADOTablePeriod);
    const TCalendarModel model(records.List());
    const QStringList rooms = model.RoomNames();
    int room = 0;
    qint64 marked = 0;
    for (auto _ : state) {
        TSquareList squares;
        TCalendarModel::BuildSquares(FirstYear + YearCount / 2, squares);
        benchmark::DoNotOptimize(model.ComputeBookings(rooms[room], FirstYear + YearCount / 2, squares));
        marked += MarkedDays(squares);
        room = (room + 1) % rooms.size();
    }
    state.counters["marked"] = benchmark::Counter(double(marked), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalendarChangeRoom)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond);

void BM_CalendarChangeYear(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    const TPeriodRecords records(module.ADOTablePeriod);
    const TCalendarModel model(records.List());
    const QString room = model.RoomNames().front();
    int year = 0;
    qint64 marked = 0;
    for (auto _ : state) {
        TSquareList squares;
        TCalendarModel::BuildSquares(FirstYear + year, squares);
        benchmark::DoNotOptimize(model.ComputeBookings(room, FirstYear + year, squares));
        marked += MarkedDays(squares);
        year = (year + 1) % YearCount;
    }
    state.counters["marked"] = benchmark::Counter(double(marked), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalendarChangeYear)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond);

} // namespace
