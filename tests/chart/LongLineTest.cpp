#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>

namespace {

enum class Shape { Steep, Noisy, Interrupted, OffThePlot };

struct LongLineCase {
    const char *name;
    Shape shape;
    int count;
    int penWidth;
    bool inverted;
    qreal pixelRatio = 1.0;
};

void PrintTo(const LongLineCase &c, std::ostream *out) { *out << c.name; }

double ValueOf(Shape shape, double x, std::mt19937 &random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double u = unit(random);
    switch (shape) {
    case Shape::Steep:
        return u * 2.0 - 1.0;
    case Shape::Noisy:
        return std::sin(x / 7.0) * 0.8 + (u - 0.5) * 0.05;
    case Shape::Interrupted:
        return u < 0.02   ? std::numeric_limits<double>::quiet_NaN()
               : u < 0.03 ? std::numeric_limits<double>::infinity()
                          : std::sin(x / 3.0) * 0.9;
    case Shape::OffThePlot:
        // Partly beyond the plot, now and then too far off to be drawn at all.
        return u < 0.01 ? 1e9 * (u - 0.005) : std::sin(x / 5.0) * 3.0 + (u - 0.5);
    }
    return 0.0;
}

// Two charts with the same long line: one draws it a pixel column at a time; in the other
// its first point carries the series colour as its own, which keeps that line on the
// drawing of every segment. The pictures must be the same.
class LongLine : public ::testing::TestWithParam<LongLineCase> {};

TEST_P(LongLine, DrawsTheSamePixelsAsEverySegment) {
    const LongLineCase &c = GetParam();
    std::mt19937 random(c.count);
    std::uniform_real_distribution<double> step(0.0, 400.0 / c.count);
    std::vector<double> xs, ys;
    double x = 0;
    for (int i = 0; i < c.count; ++i) {
        x += i % 9 == 0 ? 0.0 : step(random);
        xs.push_back(x);
        ys.push_back(ValueOf(c.shape, x, random));
    }
    QImage pictures[2];
    for (int k = 0; k < 2; ++k) {
        auto chart = MakeGraphChart();
        chart->Model().Legend().SetVisible(false);
        chart->Model().BottomAxis().SetMinMax(20, 150);
        chart->Model().BottomAxis().SetInverted(c.inverted);
        chart->Model().LeftAxis().SetMinMax(-1, 1);
        auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
        line.SetSeriesColor(clRed);
        line.LinePen().SetWidth(c.penWidth);
        line.AddPoint(xs[0], ys[0], QString(), k == 0 ? clDefault : clRed);
        line.AddPoints(std::span(xs).subspan(1), std::span(ys).subspan(1));
        // A high-density picture as the window draws it on such a screen.
        pictures[k] = QImage((QSizeF(chart->size()) * c.pixelRatio).toSize(), QImage::Format_RGB32);
        pictures[k].setDevicePixelRatio(c.pixelRatio);
        chart->Draw(pictures[k], QRect(QPoint(0, 0), chart->size()));
    }
    EXPECT_EQ(pictures[0], pictures[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Chart, LongLine,
    ::testing::Values(LongLineCase{"steep", Shape::Steep, 30000, 1, false},
                      LongLineCase{"steep_wide", Shape::Steep, 30000, 2, false},
                      LongLineCase{"noisy", Shape::Noisy, 30000, 2, false},
                      LongLineCase{"noisy_inverted", Shape::Noisy, 30000, 3, true},
                      LongLineCase{"interrupted", Shape::Interrupted, 30000, 2, false},
                      LongLineCase{"off_the_plot", Shape::OffThePlot, 30000, 2, false},
                      LongLineCase{"noisy_twofold", Shape::Noisy, 30000, 2, false, 2.0},
                      LongLineCase{"million_noisy", Shape::Noisy, 1000000, 2, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
