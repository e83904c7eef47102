// The six statements of the statements tab, as the main window builds and runs them, beside the
// same conditions as plain SQLite statements.

#include "app/Constants.h"
#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "bench/RawSqlite.h"
#include "data/QuimbelDataModule.h"

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

enum class TBilan { Client, Room, Year, Interval, ClientYear, ClientInterval };

struct TBilanCase {
    QString JetSql;
    std::string RawSql; // ?1 the client or room, ?2 and ?3 the first and last day
    QByteArray Key;
    QByteArray FirstDay;
    QByteArray LastDay;
};

// A client with a stay in March 2024, so that the statements for the client alone, for the year
// and for the month all have rows to read at every size.
QString ClientWithStayInMarch(const TRawDatabase& database) {
    TRawStatement first(database, "SELECT NOM FROM TPeriod WHERE DATEDEBUT >= '2024-03-01' AND "
                                  "DATEFIN <= '2024-03-31' ORDER BY IDPERIODE LIMIT 1");
    if (!first.Step())
        throw std::runtime_error("No stay in March 2024 in the benchmark database");
    const QString client = first.Text(0);
    first.Reset();
    return client;
}

TBilanCase BilanCase(TBilan bilan, const QString& path) {
    const QString client = ClientWithStayInMarch(TRawDatabase(path));
    const QString room = BenchDatabase::RoomName(BenchDatabase::RoomCount / 2);
    const std::vector<std::pair<QString, QString>> year{
        {QStringLiteral("'DATED'"), QStringLiteral("#01/01/2024#")},
        {QStringLiteral("'DATEF'"), QStringLiteral("#12/31/2024#")}};
    const std::vector<std::pair<QString, QString>> interval{
        {QStringLiteral("'DATED'"), QStringLiteral("#03/01/24#")},
        {QStringLiteral("'DATEF'"), QStringLiteral("#03/31/24#")}};
    const QByteArray yearFirst = QByteArrayLiteral("2024-01-01");
    const QByteArray yearLast = QByteArrayLiteral("2024-12-31");
    const QByteArray intervalFirst = QByteArrayLiteral("2024-03-01");
    const QByteArray intervalLast = QByteArrayLiteral("2024-03-31");
    const std::string head =
        "SELECT NOM, CHAMBRE, DATEDEBUT, DATEFIN, ACCOMPTE, TARIF, NOTE FROM TPeriod WHERE ";
    const std::string byClient = "NOM = ?1 COLLATE NOCASE";
    const std::string inYear = "DATEDEBUT >= ?2 AND DATEFIN <= ?3";
    const std::string inInterval = "DATEDEBUT >= ?2 AND DATEDEBUT <= ?3 AND DATEFIN >= ?2 AND DATEFIN <= ?3";
    const auto withClient = [&client](const QString& templateText,
                                      std::vector<std::pair<QString, QString>> values = {}) {
        values.emplace_back(QStringLiteral("'NOM'"), client);
        return BenchEngine::Filled(templateText, values);
    };

    switch (bilan) {
    case TBilan::Client:
        return {withClient(Constants::SqlBilanClient), head + byClient, client.toUtf8(), {}, {}};
    case TBilan::Room:
        return {BenchEngine::Filled(Constants::SqlBilanRoom, {{QStringLiteral("'CHAMBRE'"), room}}),
                head + "CHAMBRE = ?1 COLLATE NOCASE",
                room.toUtf8(),
                {},
                {}};
    case TBilan::Year:
        return {BenchEngine::Filled(Constants::SqlBilanYear, year), head + inYear, {}, yearFirst, yearLast};
    case TBilan::Interval:
        return {BenchEngine::Filled(Constants::SqlBilanInterval, interval),
                head + inInterval,
                {},
                intervalFirst,
                intervalLast};
    case TBilan::ClientYear:
        return {withClient(Constants::SqlBilanClientYear, year), head + byClient + " AND " + inYear,
                client.toUtf8(), yearFirst, yearLast};
    case TBilan::ClientInterval:
        return {withClient(Constants::SqlBilanClientInterval, interval),
                head + byClient + " AND " + inInterval, client.toUtf8(), intervalFirst, intervalLast};
    }
    return {};
}

void BM_Bilan_Engine(benchmark::State& state, TBilan bilan) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    const QString sql = BilanCase(bilan, module.ADOConnection.FilePath()).JetSql;
    TADOQuery& query = module.ADOQueryBilan;
    qint64 rows = 0;
    for (auto _ : state) {
        BenchEngine::RunQuery(query, sql);
        rows += query.RecordCount();
    }
    query.Close();
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}

void BM_Bilan_RawSqlite(benchmark::State& state, TBilan bilan) {
    const QString path = BenchDatabase::EnterFolder(static_cast<int>(state.range(0)));
    const TRawDatabase database(path);
    const TBilanCase bilanCase = BilanCase(bilan, path);
    TRawStatement statement(database, bilanCase.RawSql.c_str());
    const QByteArray* parameters[] = {&bilanCase.Key, &bilanCase.FirstDay, &bilanCase.LastDay};
    qint64 rows = 0;
    for (auto _ : state) {
        for (int index = 1; index <= statement.ParameterCount(); ++index)
            statement.Bind(index, *parameters[index - 1]);
        rows += statement.ReadAll();
    }
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}

// Engine and baseline side by side for each statement, in the order of the radio buttons.
[[maybe_unused]] const bool Registered = [] {
    const std::pair<const char*, TBilan> bilans[] = {{"Client", TBilan::Client},
                                                     {"Room", TBilan::Room},
                                                     {"Year", TBilan::Year},
                                                     {"Interval", TBilan::Interval},
                                                     {"ClientYear", TBilan::ClientYear},
                                                     {"ClientInterval", TBilan::ClientInterval}};
    for (const auto& [name, bilan] : bilans) {
        benchmark::RegisterBenchmark((std::string("BM_Bilan_Engine/") + name).c_str(), BM_Bilan_Engine, bilan)
            ->Apply(BenchDatabase::PeriodCounts)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("BM_Bilan_RawSqlite/") + name).c_str(), BM_Bilan_RawSqlite,
                                     bilan)
            ->Apply(BenchDatabase::PeriodCounts)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
