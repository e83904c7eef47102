#include "bench/BenchEngine.h"
#include "platform/os/Clock.h"

#include <QCoreApplication>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <clocale>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The engine needs Qt's containers and locale, no window.
    QCoreApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Two-digit years in the statements are read in a window around the current year: a fixed
    // date keeps every run on the same rows.
    Clock::SetFixed(QDateTime(QDate(2025, 6, 1), QTime(12, 0)));
    benchmark::RunSpecifiedBenchmarks();
    BenchEngine::ReleaseSharedModule();
    benchmark::Shutdown();
    return 0;
}
