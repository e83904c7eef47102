// The test a new booking must pass: does any period of the room overlap the new dates? Run on
// every save of the period dialog, so it must stay instant however long the file's history.
// Each iteration asks about the next room, so no answer is served from a warm page alone.

#include "app/Constants.h"
#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "bench/RawSqlite.h"
#include "data/QuimbelDataModule.h"

#include <QStringList>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

using BenchDatabase::RoomCount;

void BM_Overlap_Engine(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    QStringList statements;
    for (int room = 0; room < RoomCount; ++room)
        statements << BenchEngine::Filled(
            Constants::SqlOverlapNew, {{QStringLiteral("'n'"), u'\'' + BenchDatabase::RoomName(room) + u'\''},
                                       {QStringLiteral("#d#"), QStringLiteral("#07/10/24#")},
                                       {QStringLiteral("#f#"), QStringLiteral("#07/17/24#")}});
    TADOQuery& query = module.ADOQueryQuimbels;
    int room = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        BenchEngine::RunQuery(query, statements[room]);
        rows += query.RecordCount();
        room = (room + 1) % RoomCount;
    }
    query.Close();
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Overlap_Engine)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond);

void BM_Overlap_RawSqlite(benchmark::State& state) {
    const TRawDatabase database(BenchDatabase::EnterFolder(static_cast<int>(state.range(0))));
    TRawStatement overlap(database,
                          "SELECT NOM FROM TPeriod WHERE CHAMBRE = ?1 COLLATE NOCASE AND "
                          "((?2 >= DATEDEBUT AND ?2 <= DATEFIN) OR (?3 >= DATEDEBUT AND ?3 <= DATEFIN) "
                          "OR (?2 <= DATEDEBUT AND ?3 >= DATEFIN))");
    std::vector<QByteArray> rooms;
    for (int room = 0; room < RoomCount; ++room)
        rooms.push_back(BenchDatabase::RoomName(room).toUtf8());
    const QByteArray from = QByteArrayLiteral("2024-07-10");
    const QByteArray to = QByteArrayLiteral("2024-07-17");
    int room = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        overlap.Bind(1, rooms[static_cast<size_t>(room)]);
        overlap.Bind(2, from);
        overlap.Bind(3, to);
        rows += overlap.ReadAll();
        room = (room + 1) % RoomCount;
    }
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Overlap_RawSqlite)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMicrosecond);

} // namespace
