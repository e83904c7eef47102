// The period list report: laying its pages out from the period table, alone and with the main
// window's period grid following the table's cursor as it does on screen, and opening its
// preview, which lays the pages out and paints the first one.

#include "bench/BenchDatabase.h"
#include "bench/BenchEngine.h"
#include "data/QuimbelDataModule.h"
#include "platform/db/DataSource.h"
#include "platform/report/QRPageView.h"
#include "platform/report/QRPreview.h"
#include "platform/report/QuickRep.h"
#include "platform/ui/DBGrid.h"
#include "reports/ReportPeriodDlg.h"

#include <QPrinter>
#include <benchmark/benchmark.h>

namespace {

void BM_ReportPeriodList_Layout(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    TFormReportPeriod form;
    form.ConnectDataModule(&module);
    qsizetype pages = 0;
    for (auto _ : state)
        pages = form.QuickRepPeriod->Prepare().Pages.size();
    state.counters["pages"] = static_cast<double>(pages);
}

void BM_ReportPeriodList_LayoutBesideGrid(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    TFormReportPeriod form;
    form.ConnectDataModule(&module);
    TDataSource source(&module.ADOTablePeriod);
    TDBGrid grid;
    grid.resize(780, 440);
    grid.SetDataSource(&source);
    grid.show();
    for (auto _ : state)
        form.QuickRepPeriod->Prepare();
}

void BM_ReportPeriodList_Preview(benchmark::State& state) {
    TDataModuleQuimbel& module = BenchEngine::SharedModule(static_cast<int>(state.range(0)));
    TFormReportPeriod form;
    form.ConnectDataModule(&module);
    QPrinter printer(QPrinter::HighResolution);
    int pages = 0;
    for (auto _ : state) {
        TQRPreview preview(form.QuickRepPeriod->Prepare(), &printer, nullptr);
        benchmark::DoNotOptimize(preview.PageView->grab());
        pages = preview.PageCount();
    }
    state.counters["pages"] = pages;
}

BENCHMARK(BM_ReportPeriodList_Layout)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPeriodList_LayoutBesideGrid)
    ->Apply(BenchDatabase::PeriodCounts)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPeriodList_Preview)->Apply(BenchDatabase::PeriodCounts)->Unit(benchmark::kMillisecond);

} // namespace
