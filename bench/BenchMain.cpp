#include "bench/BenchEngine.h"
#include "platform/os/Clock.h"

#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <clocale>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Some actions lay out windows or reports: widgets need an application, and a run on a
    // machine without a display needs the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
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
