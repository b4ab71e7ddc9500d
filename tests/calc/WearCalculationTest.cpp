#include "WearCalculation.h"
#include "DefaultExperiment.h"
#include "FormatFixed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using kvr::CalculationState;
using kvr::FormatFixed;
using kvr::test::DefaultCalculated;
using kvr::test::DefaultInputs;
using kvr::test::FaultOf;

constexpr double kUntouched = 777; // marks a field that a faulting step must not write

TEST(WearCalculation, DefaultExampleFactorAndAllowableWear) {
    CalculationState s = DefaultInputs();
    // sin 45° · (cot 45° + cot 45°) · (cot 8° − tan 10°)
    //   = 0.70710678 · 2 · (7.11536972 − 0.17632698) = 9.8132883552
    EXPECT_NEAR(kvr::WearConversionFactor(s), 9.8132883552L, 5e-11L);
    kvr::ComputeAllowableDimensionalWear(s);
    EXPECT_NEAR(s.allowable_dimensional_wear, 50 / 9.8132883552, 1e-10);
    EXPECT_EQ(FormatFixed(s.allowable_dimensional_wear, 3, 2, ","), "5,10");
}

TEST(WearCalculation, DefaultExampleLabels) {
    CalculationState s = DefaultInputs();
    kvr::ComputeAllowableDimensionalWear(s);
    kvr::ComputeSpeedsAndDimensionalWear(s);
    // V = π · 95 · n / 1000 for n = 610, 380, 185.
    const char *speeds[] = {"182,06", "113,41", "55,21"};
    const char *totals[] = {"3,00", "4,50", "6,00"};
    // h_р = h_з / K.
    const char *wear[3][3] = {
        {"3,36", "4,08", "4,38"}, {"2,14", "2,65", "3,57"}, {"1,53", "2,34", "2,65"}};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(s.cutting_speed[i], 3.14159265358979 * 95 * s.spindle_speed[i] / 1000, 1e-9);
        EXPECT_EQ(FormatFixed(s.cutting_speed[i], 10, 2, ","), speeds[i - 1]);
        EXPECT_EQ(FormatFixed(kvr::TotalRunningTime(s, i), 3, 2, ","), totals[i - 1]);
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(FormatFixed(s.dimensional_wear[i][j], 3, 2, ","), wear[i - 1][j - 1]);
    }
}

TEST(WearCalculation, DefaultExampleWearLines) {
    CalculationState s = DefaultCalculated();
    // Cumulative times 1, 2, 3 / 1.5, 3, 4.5 / 2, 4, 6; least-squares lines through
    // (T, h_з/K); the figures are those of the worked example, to five decimals.
    const double a[] = {0.50951, 0.47555, 0.28023};
    const double b[] = {2.92121, 1.35870, 1.05299};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(s.cumulative_time[i][3], 3 * s.running_time[i][1]);
        EXPECT_NEAR(s.wear_rate[i], a[i - 1], 5e-6);
        EXPECT_NEAR(s.initial_wear[i], b[i - 1], 5e-6);
    }
    // Cutter 1 wears 33, 40, 43 µm: slope (43 − 33) / 2 / K exactly for three even steps.
    EXPECT_NEAR(s.wear_rate[1], 5 / 9.8132883552, 1e-10);

    EXPECT_EQ(kvr::CheckAllowableWear(s), std::nullopt);
    EXPECT_EQ(s.max_initial_wear, s.initial_wear[1]);
}

TEST(WearCalculation, SmallAllowableWearWarnsWithTheMinimum) {
    CalculationState s = DefaultInputs();
    s.allowable_flank_wear = 20;
    kvr::ComputeAllowableDimensionalWear(s);
    kvr::ComputeSpeedsAndDimensionalWear(s);
    kvr::ComputeWearLines(s);
    EXPECT_NEAR(s.allowable_dimensional_wear, 2.0381, 5e-5); // 20 / K
    const auto minimum = kvr::CheckAllowableWear(s);
    ASSERT_TRUE(minimum.has_value());
    // K · b_1 + 0.01 = 9.8132883552 · 2.92121 + 0.01 = 28.6767.
    EXPECT_EQ(FormatFixed(*minimum, 5, 2, ","), "28,68");
}

TEST(WearCalculation, AllowableWearEqualToLargestInterceptPasses) {
    CalculationState s = DefaultCalculated();
    s.allowable_dimensional_wear = s.initial_wear[1];
    EXPECT_EQ(kvr::CheckAllowableWear(s), std::nullopt);
}

TEST(WearCalculation, NegativeInterceptsLeaveTheMaximumAtZero) {
    CalculationState s = DefaultInputs();
    s.initial_wear[1] = -1;
    s.initial_wear[2] = -2;
    s.initial_wear[3] = -0.5;
    s.max_initial_wear = kUntouched;
    s.allowable_dimensional_wear = 0;
    EXPECT_EQ(kvr::CheckAllowableWear(s), std::nullopt);
    EXPECT_EQ(s.max_initial_wear, 0);

    s.allowable_dimensional_wear = -1;
    const auto minimum = kvr::CheckAllowableWear(s);
    ASSERT_TRUE(minimum.has_value());
    EXPECT_EQ(FormatFixed(*minimum, 5, 2, ","), "0,01"); // K · 0 + 0.01
}

TEST(WearCalculation, EqualCumulativeTimesAreInvalidAndKeepEarlierLines) {
    const CalculationState defaults = DefaultCalculated();
    CalculationState s = defaults;
    s.running_time[2][1] = 1;
    s.running_time[2][2] = 0;
    s.running_time[2][3] = 0;
    s.wear_rate[2] = s.initial_wear[2] = kUntouched;
    s.cumulative_time[3][1] = kUntouched;
    // T = 1, 1, 1: both 3·ΣTh − ΣT·Σh and 3·ΣT² − (ΣT)² are exactly 0.
    EXPECT_EQ(FaultOf([&] { kvr::ComputeWearLines(s); }), "Invalid floating point operation");
    EXPECT_EQ(s.wear_rate[1], defaults.wear_rate[1]);
    EXPECT_EQ(s.initial_wear[1], defaults.initial_wear[1]);
    EXPECT_EQ(s.cumulative_time[2][3], 1); // stored before the division
    EXPECT_EQ(s.wear_rate[2], kUntouched);
    EXPECT_EQ(s.initial_wear[2], kUntouched);
    EXPECT_EQ(s.cumulative_time[3][1], kUntouched);
}

TEST(WearCalculation, ZeroDenominatorWithNonZeroNumeratorIsDivisionByZero) {
    CalculationState s = DefaultCalculated();
    // With ε = 2^-40, T = 1, 1+ε, 1+ε: T² = 1 + 2ε + ε² loses its ε² (2^-80) in a 64-bit
    // mantissa, and so does (ΣT)² = 9 + 12ε + 4ε²; both terms come to 9 + 12ε and the
    // denominator is 0. The numerator is ε·(h2 + h3 − 2·h1) = 3ε for h = 1, 2, 3.
    s.running_time[2][1] = 1;
    s.running_time[2][2] = std::ldexp(1.0, -40);
    s.running_time[2][3] = 0;
    s.dimensional_wear[2][1] = 1;
    s.dimensional_wear[2][2] = 2;
    s.dimensional_wear[2][3] = 3;
    s.wear_rate[2] = kUntouched;
    EXPECT_EQ(FaultOf([&] { kvr::ComputeWearLines(s); }), "Floating point division by zero");
    EXPECT_EQ(s.wear_rate[2], kUntouched);
}

TEST(WearCalculation, SpeedBeyondDoubleRangeOverflowsAndStoresNothing) {
    CalculationState s = DefaultInputs();
    s.diameter = 1e300;
    s.spindle_speed[1] = 1e300;
    const CalculationState before = s;
    EXPECT_EQ(FaultOf([&] { kvr::ComputeSpeedsAndDimensionalWear(s); }), "Floating point overflow");
    EXPECT_EQ(s, before);
}

TEST(WearCalculation, OverflowAtSecondCutterKeepsTheFirst) {
    CalculationState s = DefaultInputs();
    s.diameter = 1e12;
    s.spindle_speed[2] = 1e300; // π · 1e312 / 1000
    s.cutting_speed[2] = kUntouched;
    s.dimensional_wear[2][1] = kUntouched;
    EXPECT_EQ(FaultOf([&] { kvr::ComputeSpeedsAndDimensionalWear(s); }), "Floating point overflow");
    EXPECT_NEAR(s.cutting_speed[1], 3.14159265358979e9 * 610, 1e3);
    EXPECT_NE(s.dimensional_wear[1][3], 0);
    EXPECT_EQ(s.cutting_speed[2], kUntouched);
    EXPECT_EQ(s.dimensional_wear[2][1], kUntouched);
}

// The shown total stays extended; the stored cumulative time overflows.
TEST(WearCalculation, TotalTimeBeyondDoubleRangeIsShownButOverflowsWhenStored) {
    CalculationState s = DefaultInputs();
    s.running_time[3][1] = 1e308;
    s.running_time[3][2] = 1e308;
    EXPECT_EQ(FaultOf([&] { kvr::TotalRunningTime(s, 3); }), "");
    EXPECT_EQ(FormatFixed(kvr::TotalRunningTime(s, 3), 3, 2, ","), "2E308");
    EXPECT_EQ(FaultOf([&] { kvr::ComputeWearLines(s); }), "Floating point overflow");
    EXPECT_EQ(s.cumulative_time[3][1], 1e308);
}

TEST(WearCalculation, ZeroClearanceAngleDividesByZero) {
    CalculationState s = DefaultInputs();
    s.alpha = 0; // cot 0°
    s.allowable_dimensional_wear = kUntouched;
    EXPECT_EQ(FaultOf([&] { kvr::ComputeAllowableDimensionalWear(s); }),
              "Floating point division by zero");
    EXPECT_EQ(s.allowable_dimensional_wear, kUntouched);
}

} // namespace
