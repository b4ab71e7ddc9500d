// Redraw, point adding (one by one and at once) and memory of the chart at N = 128,
// 10 000 and 1 000 000 line points, beside the passes they are measured against: mapping
// both value lists to pixels in a plain loop, and filling two std::vector<double>.

#include "BenchChart.h"
#include "PixelMapper.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// The benchmark chart with n line points (x = 55, 56, …) and three circles on the curve.
struct BenchChart : kvr::bench::BenchChart {
    explicit BenchChart(int n) {
        using kvr::bench::CurveY;
        for (double x : {60.0, 120.0, 180.0})
            points->AddPoint(x, CurveY(x));
        for (int i = 0; i < n; ++i)
            line->AddPoint(55.0 + i, CurveY(55.0 + i));
        chart->Picture();
    }
};

void Redraw(benchmark::State &state) {
    BenchChart bench(int(state.range(0)));
    QImage picture(bench.chart->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        bench.chart->Draw(picture, QRect(QPoint(0, 0), bench.chart->size()));
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void MappingPass(benchmark::State &state) {
    BenchChart bench(int(state.range(0)));
    const TLineSeries &line = *bench.line;
    const kvr::chart::PixelMapper horizontal(
        bench.chart->DrawnLayout().Axis(kvr::chart::AxisId::Bottom).mapping);
    const kvr::chart::PixelMapper vertical(
        bench.chart->DrawnLayout().Axis(kvr::chart::AxisId::Left).mapping);
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < line.Count(); ++i)
            sum += horizontal(line.XValues().ValueAt(i)) + vertical(line.YValues().ValueAt(i));
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

void AddPointsAtOnce(benchmark::State &state) {
    const int n = int(state.range(0));
    BenchChart bench(0);
    std::vector<double> xs, ys;
    for (int i = 0; i < n; ++i) {
        xs.push_back(55.0 + i);
        ys.push_back(844.82 / (55.0 + i));
    }
    std::size_t held = 0;
    for (auto _ : state) {
        bench.line->RemoveAllPoints();
        bench.line->AddPoints(xs, ys);
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
BENCHMARK(AddPointsAtOnce)->Apply(Sizes);
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
