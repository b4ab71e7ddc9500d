// Showing the graphs window and its first paint, for the default run and for first-cutter
// speeds of 10^6 and 10^12 m/min. Counters: the heap the shown charts hold (bytes) and
// the points in the wear-model curve.
#include "CalculationState.h"
#include "Graphic.h"
#include "Main.h"
#include "Result.h"
#include "WindowSet.h"
#include <kvrchart/TChart.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace kvr::chart;

namespace {

std::size_t HeapInUse() { return mallinfo2().uordblks; }

void ShowAndPaint(benchmark::State &state, double firstSpeed) {
    using namespace kvr;
    WindowSet windows;
    windows.Start();
    windows.Main().Controls().studentName->setText(QStringLiteral("Bench"));
    windows.Main().Controls().calculate->click();
    windows.Result().Controls().determine->click();
    // A speed no typed data reach without a warning, restored into the record the graphs read.
    if (firstSpeed > 0) {
        CalculationState record = windows.TheExperiment().State();
        record.cutting_speed[1] = firstSpeed;
        windows.TheExperiment().Restore(record, windows.TheExperiment().Status());
    }
    TForm_Graphic *graphic = &windows.Graphic();

    std::size_t held = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        graphic->show();
        for (TChart *chart : {graphic->Chart1, graphic->Chart2, graphic->Chart3})
            benchmark::DoNotOptimize(chart->Picture().constBits());
        held = HeapInUse() - before;
        state.PauseTiming();
        graphic->close();
        state.ResumeTiming();
    }
    state.counters["heap_bytes"] = static_cast<double>(held);
    graphic->show();
    state.counters["curve_points"] = graphic->SeriesNo(8).Count();
    graphic->close();
}

void BM_ShowGraphsDefault(benchmark::State &state) { ShowAndPaint(state, 0); }
void BM_ShowGraphsSpeed1e6(benchmark::State &state) { ShowAndPaint(state, 1e6); }
void BM_ShowGraphsSpeed1e12(benchmark::State &state) { ShowAndPaint(state, 1e12); }

BENCHMARK(BM_ShowGraphsDefault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowGraphsSpeed1e6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowGraphsSpeed1e12)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kvr::KvrApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
