// Redraw, point adding and memory of the chart at N = 128, 10 000 and 1 000 000 line
// points, beside the passes they are measured against: mapping both value lists to pixels
// in a plain loop, and filling two std::vector<double>.

#include "GraphicDefinition.h"
#include "TChart.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

double CurveY(double x) { return 844.82 * std::pow(x, -1.00643); }

// The first chart of the graphs window, 441 × 377, with one 2-pixel line of n points and
// three circles, bevel, solid back wall, two axes with labels and grid, and the legend.
struct BenchChart {
    QWidget window;
    TChart *chart = nullptr;
    TLineSeries *line = nullptr;

    explicit BenchChart(int n) {
        using kvr::SeriesRole;
        chart = new TChart(&window);
        chart->resize(441, 377);
        kvr::ApplyChartDefinition(*chart, kvr::GraphChartDefinition(1));
        chart->SetBackColor(kvr::kGraphBackColor);
        line = static_cast<TLineSeries *>(
            &kvr::AddDefinedSeries(*chart, kvr::GraphSeriesDefinition(SeriesRole::LifeModel)));
        line->SetTitle(QStringLiteral("T = C·V^z"));
        auto &points =
            kvr::AddDefinedSeries(*chart, kvr::GraphSeriesDefinition(SeriesRole::ToolLife));
        for (double x : {60.0, 120.0, 180.0})
            points.AddPoint(x, CurveY(x));
        for (int i = 0; i < n; ++i)
            line->AddPoint(55.0 + i, CurveY(55.0 + i));
        chart->Picture();
    }
};

void Redraw(benchmark::State &state) {
    BenchChart bench(int(state.range(0)));
    for (auto _ : state) {
        bench.chart->Invalidate();
        benchmark::DoNotOptimize(bench.chart->Picture().constBits());
    }
}

void MappingPass(benchmark::State &state) {
    BenchChart bench(int(state.range(0)));
    const TLineSeries &line = *bench.line;
    const TCustomChartAxis &horizontal = bench.chart->BottomAxis();
    const TCustomChartAxis &vertical = bench.chart->LeftAxis();
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < line.Count(); ++i)
            sum += horizontal.ValueToPixel(line.XValues().ValueAt(i)) +
                   vertical.ValueToPixel(line.YValues().ValueAt(i));
        benchmark::DoNotOptimize(sum);
    }
}

void AddPoints(benchmark::State &state) {
    const int n = int(state.range(0));
    BenchChart bench(0);
    std::size_t held = 0;
    for (auto _ : state) {
        bench.line->RemoveAllPoints();
        for (int i = 0; i < n; ++i)
            bench.line->AddPoint(55.0 + i, 844.82 / (55.0 + i));
        held = bench.line->CapacityBytes();
    }
    state.counters["bytes_per_point"] = double(held) / n;
}

void FillTwoVectors(benchmark::State &state) {
    const int n = int(state.range(0));
    for (auto _ : state) {
        std::vector<double> xs;
        std::vector<double> ys;
        for (int i = 0; i < n; ++i) {
            xs.push_back(55.0 + i);
            ys.push_back(844.82 / (55.0 + i));
        }
        benchmark::DoNotOptimize(xs.data());
        benchmark::DoNotOptimize(ys.data());
    }
}

constexpr int kSizes[] = {128, 10000, 1000000};

void Sizes(benchmark::internal::Benchmark *b) {
    for (int n : kSizes)
        b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(Redraw)->Apply(Sizes);
BENCHMARK(MappingPass)->Apply(Sizes);
BENCHMARK(AddPoints)->Apply(Sizes);
BENCHMARK(FillTwoVectors)->Apply(Sizes);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
