#include "GraphData.h"

#include "CalculationState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kvr {
namespace {

CalculationState DefaultRun() {
    // Cumulative times, speeds and models of the default inputs after a determination at 3.
    CalculationState state;
    const double times[3][3] = {{1, 2, 3}, {1.5, 3, 4.5}, {2, 4, 6}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            state.cumulative_time[i][j] = times[i - 1][j - 1];
    state.cutting_speed = {{182.0552942755, 113.4115, 55.2135}};
    state.wear_model_coefficient = 0.10989;
    state.wear_model_exponent = 0.70130;
    return state;
}

TEST(GraphData, WearLinesRunATenthOfTheSpanPastTheLastMeasurement) {
    const CalculationState state = DefaultRun();
    const double ends[] = {3.3, 4.9, 6.5}; // T3 + 0.1 (T3 - T1 + 1)
    for (int i = 1; i <= 3; ++i) {
        const std::vector<PlotPoint> line = WearLine(state, i);
        ASSERT_EQ(line.size(), 2u);
        EXPECT_EQ(line[0].x, state.cumulative_time[i][1]);
        EXPECT_DOUBLE_EQ(line[1].x, ends[i - 1]);
    }
}

TEST(GraphData, EqualFirstAndLastTimesGiveATenthOfAMinute) {
    CalculationState state;
    state.cumulative_time[1] = {{2, 2, 2}};
    state.wear_rate[1] = 1;
    const std::vector<PlotPoint> line = WearLine(state, 1);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_DOUBLE_EQ(line[1].x, 2.1);
    EXPECT_DOUBLE_EQ(line[1].y, 2.1);
}

// From the slowest cutter to the fastest, whichever they are.
TEST(GraphData, CurveRangeTruncatesTheLowAndRoundsTheHighHalfToEven) {
    CalculationState state = DefaultRun();
    struct Case {
        double v1, v2, v3, lo, hi;
    } cases[] = {{182.0552942755, 113.41, 55.2135, 55, 182},
                 {182.5, 113.4, 55.9, 55, 182},
                 {183.5, 113.4, 55.2, 55, 184},
                 {55.2135, 113.41, 182.0552942755, 55, 182},
                 {113.41, 182.5, 55.9, 55, 182},
                 {50, 45.5, 60, 45, 60}};
    for (const Case &c : cases) {
        state.cutting_speed.items = {c.v1, c.v2, c.v3};
        const SpeedRange range = CurveSpeedRange(state);
        EXPECT_EQ(range.lo, c.lo) << c.v1;
        EXPECT_EQ(range.hi, c.hi) << c.v1;
    }
}

TEST(GraphData, DefaultCurveHasOnePointPerIntegerSpeed) {
    const std::vector<PlotPoint> curve = ModelCurve(0.10989, 0.70130, {55, 182});
    ASSERT_EQ(curve.size(), 128u);
    EXPECT_EQ(curve.front().x, 55);
    EXPECT_EQ(curve.back().x, 182);
    EXPECT_DOUBLE_EQ(curve[45].y, 0.10989 * std::pow(100.0, 0.70130));
}

TEST(GraphData, EmptyCurveWhenTheRangeRunsBackwards) {
    EXPECT_TRUE(ModelCurve(1, 1, {60, 50}).empty());
}

TEST(GraphData, HugeRangesAreSampledFromLoToHi) {
    for (double hi : {1e6, 1e12, 1e300}) {
        const std::vector<PlotPoint> curve = ModelCurve(844.82, -1.00643, {55, hi});
        ASSERT_EQ(curve.size(), kCurvePointCap) << hi;
        EXPECT_EQ(curve.front().x, 55);
        EXPECT_EQ(curve.back().x, hi);
        for (std::size_t k = 1; k < curve.size(); ++k) {
            EXPECT_GT(curve[k].x, curve[k - 1].x);
            EXPECT_EQ(curve[k].x, std::trunc(curve[k].x)); // integer speeds only
        }
    }
}

TEST(GraphData, SamplesLieWithinAPixelOfTheFullCurve) {
    // Over a 400-pixel axis each sample step is below half a pixel, and a monotonic curve
    // between neighbouring samples stays between their values.
    const double hi = 1e6;
    const std::vector<PlotPoint> curve = ModelCurve(844.82, -1.00643, {55, hi});
    const double pixelsPerSpeed = 400 / (hi - 50);
    for (std::size_t k = 1; k < curve.size(); ++k)
        EXPECT_LT((curve[k].x - curve[k - 1].x) * pixelsPerSpeed, 0.5);
}

TEST(GraphData, UndefinedAndInfiniteValuesAreLeftOut) {
    // 0 to a negative power is undefined; 1e300 · s^30 overflows for s > 1.
    EXPECT_EQ(ModelCurve(1, -1, {0, 3}).size(), 3u);
    const std::vector<PlotPoint> overflow = ModelCurve(1e300, 30, {1, 3});
    ASSERT_EQ(overflow.size(), 1u);
    EXPECT_EQ(overflow[0].x, 1);

    CalculationState state;
    state.cumulative_time[1] = {{1, 2, std::numeric_limits<double>::max()}};
    state.wear_rate[1] = 1;
    EXPECT_EQ(WearLine(state, 1).size(), 1u); // the end beyond any double is dropped
}

TEST(GraphData, FarSpeedsAreCountedNotStepped) {
    // Beyond 2^64 adding 1 to a long double speed no longer changes it.
    const double lo = std::ldexp(1.0, 64);
    const std::vector<PlotPoint> curve = ModelCurve(1, 0, {lo, lo + 4096}, 8192);
    ASSERT_EQ(curve.size(), 4097u);
    EXPECT_EQ(curve.back().x, lo + 4096);
}

} // namespace
} // namespace kvr
