#pragma once

#include <QByteArray>
#include <QString>

namespace benchmark::internal {
class Benchmark;
}

// The files the benchmarks run on: a business with 10,000 clients and 1,000 rooms, and a
// given number of periods spread evenly over the rooms and over the years 2015 to 2024, so
// that a statement for one year or one month selects the same share of the file at every
// size. Identifiers are dense from 0, the worst case for the search of a free one.
namespace BenchDatabase {

inline constexpr int ClientCount = 10000;
inline constexpr int RoomCount = 1000;

// Registers the sizes every action is measured at.
void PeriodCounts(benchmark::internal::Benchmark* benchmark);

// Makes the file for this number of periods on first use, keeps it for the rest of the run,
// and makes its folder the current one, where the data module looks for Quimbels.mdb.
// Returns the path of the file.
QString EnterFolder(int periodCount);

QString RoomName(int room);
QString ClientName(int client);

} // namespace BenchDatabase
