#include "ColumnReduction.h"
#include "ChartCanvas.h"
#include "ChartTestSupport.h"
#include "ColumnScan.h"
#include "LinePath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>

namespace {

using kvr::chart::AxisMapping;
using kvr::chart::ColumnReducer;
using kvr::chart::ColumnRun;
using kvr::chart::MappedPoint;
using kvr::chart::PixelMapper;
using kvr::chart::ReduceToColumns;

struct RunCase {
    const char *name;
    std::vector<MappedPoint> points;
    std::vector<ColumnRun> runs;
};

void PrintTo(const RunCase &c, std::ostream *out) { *out << c.name; }

class ColumnRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(ColumnRuns, CoverWhatTheSegmentsInsideTheColumnCover) {
    EXPECT_EQ(ReduceToColumns(GetParam().points), GetParam().runs);
}

constexpr MappedPoint kLeftOut{0, 0, false};

INSTANTIATE_TEST_SUITE_P(
    ColumnReduction, ColumnRuns,
    ::testing::Values(
        RunCase{"down_then_up", {{0, 5}, {0, 3}, {0, 8}}, {{0, 5, 8, 3, 7}}},
        // 8 is an end until the segment 8 -> 5 leaves it.
        RunCase{"extreme_left_later", {{0, 3}, {0, 8}, {0, 8}, {0, 5}, {0, 8}}, {{0, 3, 8, 3, 8}}},
        RunCase{"extreme_only_at_the_end", {{0, 5}, {0, 4}, {0, 8}, {0, 8}}, {{0, 5, 8, 4, 7}}},
        RunCase{"lowest_left_before_the_exit", {{0, 8}, {0, 3}, {0, 5}, {0, 3}}, {{0, 8, 3, 3, 8}}},
        RunCase{"one_pixel", {{4, 6}, {4, 6}}, {{4, 6, 6, 7, 5}}},
        RunCase{"left_out_points_are_passed_over",
                {{0, 5}, kLeftOut, {1, 7}, kLeftOut, {1, 9}},
                {{0, 5, 5, 6, 4}, {1, 7, 9, 7, 8}}}),
    [](const auto &info) { return std::string(info.param.name); });

// Draws every segment between successive drawn points, as the line series does.
void DrawEverySegment(ChartCanvas &canvas, const std::vector<MappedPoint> &points) {
    const MappedPoint *previous = nullptr;
    for (const MappedPoint &p : points) {
        if (!p.drawn)
            continue;
        if (previous)
            canvas.Line(previous->x, previous->y, p.x, p.y);
        previous = &p;
    }
}

QImage Draw(const std::vector<MappedPoint> &points, int width, bool reduced) {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    ChartCanvas canvas(image, QPalette());
    canvas.SetPen(clRed, width);
    if (reduced) {
        const auto runs = ReduceToColumns(points);
        kvr::chart::DrawColumnRuns(canvas, runs);
    } else {
        DrawEverySegment(canvas, points);
    }
    return image;
}

struct LineShape {
    const char *name;
    int count;
    int spread;        // pixels the y of a point may jump from the previous one
    int leftOutPerMil; // points not drawn, per thousand
    int top;           // y range of the points; beyond 0 … 200 they are off the picture
    int bottom;
};

void PrintTo(const LineShape &shape, std::ostream *out) { *out << shape.name; }

std::vector<MappedPoint> MakeLine(const LineShape &shape, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> jump(-shape.spread, shape.spread);
    std::uniform_int_distribution<int> perMil(0, 999);
    std::vector<MappedPoint> points;
    int y = (shape.top + shape.bottom) / 2;
    for (int i = 0; i < shape.count; ++i) {
        y = std::clamp(y + jump(random), shape.top, shape.bottom);
        const int x = -20 + int((long long)i * 340 / shape.count);
        points.push_back({x, y, perMil(random) >= shape.leftOutPerMil});
    }
    return points;
}

class ReducedLineDrawing : public ::testing::TestWithParam<LineShape> {};

TEST_P(ReducedLineDrawing, EqualsDrawingEverySegment) {
    const auto points = MakeLine(GetParam(), 99);
    for (int width : {1, 2, 3})
        EXPECT_EQ(Draw(points, width, true), Draw(points, width, false)) << "pen width " << width;
}

INSTANTIATE_TEST_SUITE_P(ColumnReduction, ReducedLineDrawing,
                         ::testing::Values(LineShape{"steep", 20000, 150, 0, -50, 250},
                                           LineShape{"noisy", 20000, 3, 0, 0, 200},
                                           LineShape{"interrupted", 20000, 20, 300, 0, 200},
                                           LineShape{"off_the_picture", 20000, 40, 0, -400, 600},
                                           LineShape{"sparse", 200, 60, 100, 0, 200}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ColumnReduction, MillionPointLineEqualsDrawingEverySegment) {
    const auto points = MakeLine({"million", 1000000, 30, 5, -100, 300}, 5);
    EXPECT_EQ(Draw(points, 2, true), Draw(points, 2, false));
}

// Runs found from the values equal those of the points mapped one by one.
TEST(ColumnScan, GivesTheRunsOfThePointsMappedOneByOne) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int round = 0; round < 300; ++round) {
        const int count = 1 + int(unit(random) * 20000);
        const double noise = std::pow(10.0, unit(random) * 6 - 4);
        const AxisMapping horizontal{
            30, 30 + int(unit(random) * 400), 0.0, 100.0, true, round % 5 == 0};
        const AxisMapping vertical{
            10, 10 + int(unit(random) * 300), -1.0, 1.0, false, round % 7 == 0};
        std::vector<double> xs, ys;
        double x = 0;
        for (int i = 0; i < count; ++i) {
            x += unit(random) * 200.0 / count;
            xs.push_back(std::min(x, 100.0));
            const double r = unit(random);
            // Some values map far off the plot, beyond the drawable pixels, or nowhere.
            ys.push_back(r < 0.001   ? nan
                         : r < 0.002 ? 1e9
                         : r < 0.003 ? 60.0
                                     : std::sin(x) + noise * (unit(random) - 0.5));
        }
        const PixelMapper mapX(horizontal), mapY(vertical);
        ColumnReducer scanned, oneByOne;
        kvr::chart::ScanColumns(xs, ys, mapX, mapY, scanned);
        for (int i = 0; i < count; ++i)
            kvr::chart::AddMappedPoint(xs[i], ys[i], mapX, mapY, oneByOne);
        ASSERT_EQ(scanned.Finish(), oneByOne.Finish()) << "round " << round;
    }
}

} // namespace
