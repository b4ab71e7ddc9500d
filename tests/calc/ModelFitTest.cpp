#include "ModelFit.h"
#include "DefaultExperiment.h"
#include "FormatFixed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using kvr::CalculationState;
using kvr::FormatFixed;
using kvr::test::DefaultCalculated;
using kvr::test::FaultOf;

constexpr double kUntouched = 777; // marks a field that a faulting step must not write

CalculationState DefaultDetermined(double chosenTime) {
    CalculationState s = DefaultCalculated();
    s.chosen_time = chosenTime;
    kvr::ComputeTimeSpan(s);
    return s;
}

// V = 10, 100, 1000 m/min, a = 0.1, 1, 10 µm/min, b = 0, [h_р] = 100 µm, τ_д = 10 min:
// wear 1, 10, 100 µm and tool life 1000, 100, 10 min, i.e. h = 0.1·V and T = 10000/V.
CalculationState DecadeCase() {
    CalculationState s;
    const double speeds[] = {10, 100, 1000};
    const double rates[] = {0.1, 1, 10};
    for (int i = 1; i <= 3; ++i) {
        s.cutting_speed[i] = speeds[i - 1];
        s.wear_rate[i] = rates[i - 1];
        s.initial_wear[i] = 0;
    }
    s.allowable_dimensional_wear = 100;
    s.chosen_time = 10;
    return s;
}

TEST(ModelFit, DefaultSpanAcceptsTheDefaultTime) {
    CalculationState s = DefaultDetermined(3);
    // Largest first cumulative time 2, largest total 6: 0.85·2 to 1.15·6.
    EXPECT_EQ(s.max_first_time, 2);
    EXPECT_EQ(s.max_total_time, 6);
    EXPECT_EQ(FormatFixed(kvr::SpanLowerBound(s), 5, 1, ","), "1,7");
    EXPECT_EQ(FormatFixed(kvr::SpanUpperBound(s), 5, 1, ","), "6,9");
    EXPECT_TRUE(kvr::ChosenTimeInSpan(s));
}

struct SpanCase {
    double time;
    bool inSpan;
};

class ModelFitSpan : public ::testing::TestWithParam<SpanCase> {};

// The bounds as printed are accepted: the tolerance absorbs the rounding of 0.85·2 and
// 1.15·6; a tenth of a minute beyond is not.
TEST_P(ModelFitSpan, ChecksTheWidenedSpan) {
    const CalculationState s = DefaultDetermined(GetParam().time);
    EXPECT_EQ(kvr::ChosenTimeInSpan(s), GetParam().inSpan);
}

INSTANTIATE_TEST_SUITE_P(ModelFit, ModelFitSpan,
                         ::testing::Values(SpanCase{1.7, true}, SpanCase{6.9, true},
                                           SpanCase{1.6, false}, SpanCase{7, false},
                                           SpanCase{1.7 - 2e-8, false}, SpanCase{6.9 + 2e-8, false},
                                           SpanCase{0, false}, SpanCase{-3, false}));

TEST(ModelFit, NegativeTimesLeaveTheSpanAtZero) {
    CalculationState s;
    for (int i = 1; i <= 3; ++i) {
        s.cumulative_time[i][1] = -1;
        s.cumulative_time[i][3] = -5;
    }
    s.max_first_time = s.max_total_time = kUntouched;
    kvr::ComputeTimeSpan(s);
    EXPECT_EQ(s.max_first_time, 0);
    EXPECT_EQ(s.max_total_time, 0);
    s.chosen_time = 0;
    EXPECT_TRUE(kvr::ChosenTimeInSpan(s));
}

TEST(ModelFit, DefaultCaseModels) {
    CalculationState s = DefaultDetermined(3);
    kvr::ComputeWearAtChosenTime(s);
    kvr::ComputeToolLife(s);
    // a·3 + b and (5.09513 − b) / a with the lines of the wear calculation.
    const double wear[] = {4.4497, 2.7853, 1.8937};
    const double life[] = {4.2667, 7.8571, 14.4242};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(s.wear_at_chosen_time[i], wear[i - 1], 5e-5);
        EXPECT_NEAR(s.tool_life[i], life[i - 1], 5e-5);
    }
    kvr::FitWearModel(s);
    EXPECT_NEAR(s.wear_model_exponent, 0.70130, 5e-6);
    EXPECT_NEAR(s.wear_model_coefficient, 0.10989, 5e-6);
    EXPECT_EQ(FormatFixed(s.wear_model_coefficient, 5, 3, ","), "0,110");
    EXPECT_EQ(FormatFixed(s.wear_model_exponent, 5, 3, ","), "0,701");
    kvr::FitLifeModel(s);
    EXPECT_NEAR(s.life_model_exponent, -1.00643, 5e-6);
    EXPECT_NEAR(s.life_model_coefficient, 844.82, 5e-3);
    EXPECT_EQ(FormatFixed(s.life_model_coefficient, 10, 0, ","), "845");
    EXPECT_EQ(FormatFixed(s.life_model_exponent, 5, 3, ","), "-1,006");
}

TEST(ModelFit, DecadeCaseGivesWholeModels) {
    CalculationState s = DecadeCase();
    kvr::ComputeWearAtChosenTime(s);
    kvr::ComputeToolLife(s);
    EXPECT_EQ(s.wear_at_chosen_time, (kvr::PerCutter{{1, 10, 100}}));
    EXPECT_EQ(s.tool_life, (kvr::PerCutter{{1000, 100, 10}}));
    kvr::FitWearModel(s);
    kvr::FitLifeModel(s);
    // lg V = 1, 2, 3; lg h = 0, 1, 2 and lg T = 3, 2, 1: slopes 1 and −1, intercepts
    // 10^-1 and 10^4.
    EXPECT_EQ(FormatFixed(s.wear_model_coefficient, 5, 3, "."), "0.100");
    EXPECT_EQ(FormatFixed(s.wear_model_exponent, 5, 3, "."), "1.000");
    EXPECT_EQ(FormatFixed(s.life_model_coefficient, 10, 0, "."), "10000");
    EXPECT_EQ(FormatFixed(s.life_model_exponent, 5, 3, "."), "-1.000");
}

TEST(ModelFit, ZeroSlopeInToolLifeDividesByZero) {
    CalculationState s = DecadeCase();
    s.wear_rate[2] = 0;
    s.tool_life[2] = s.tool_life[3] = kUntouched;
    EXPECT_EQ(FaultOf([&] { kvr::ComputeToolLife(s); }), "Floating point division by zero");
    EXPECT_EQ(s.tool_life[1], 1000);
    EXPECT_EQ(s.tool_life[2], kUntouched);
    EXPECT_EQ(s.tool_life[3], kUntouched);

    s.initial_wear[2] = s.allowable_dimensional_wear; // ([h_р] − b) / a = 0 / 0
    EXPECT_EQ(FaultOf([&] { kvr::ComputeToolLife(s); }), "Invalid floating point operation");
}

TEST(ModelFit, LogarithmOfZeroOrNegativeWearFaults) {
    CalculationState s = DecadeCase();
    s.wear_at_chosen_time = kvr::PerCutter{{1, 0, 100}};
    s.wear_model_exponent = s.wear_model_coefficient = kUntouched;
    EXPECT_EQ(FaultOf([&] { kvr::FitWearModel(s); }), "Floating point division by zero");
    s.wear_at_chosen_time[2] = -10;
    EXPECT_EQ(FaultOf([&] { kvr::FitWearModel(s); }), "Invalid floating point operation");
    EXPECT_EQ(s.wear_model_exponent, kUntouched);
    EXPECT_EQ(s.wear_model_coefficient, kUntouched);

    s.tool_life = kvr::PerCutter{{1000, 100, -10}};
    EXPECT_EQ(FaultOf([&] { kvr::FitLifeModel(s); }), "Invalid floating point operation");
}

TEST(ModelFit, EqualSpeedsMakeTheSlopeInvalid) {
    CalculationState s = DecadeCase();
    s.cutting_speed = kvr::PerCutter{{100, 100, 100}};
    s.wear_at_chosen_time = kvr::PerCutter{{1, 10, 100}};
    // lg V = 2, 2, 2: 3·Sxx − Sx² = 36 − 36 and 3·Sxy − Sx·Sy = 6·Sy − 6·Sy, both 0.
    EXPECT_EQ(FaultOf([&] { kvr::FitWearModel(s); }), "Invalid floating point operation");
    // Two equal speeds of three still give a line, whichever two they are.
    for (const kvr::PerCutter &speeds :
         {kvr::PerCutter{{10, 100, 100}}, kvr::PerCutter{{100, 10, 100}},
          kvr::PerCutter{{100, 100, 10}}}) {
        s.cutting_speed = speeds;
        EXPECT_EQ(FaultOf([&] { kvr::FitWearModel(s); }), "") << speeds[1] << speeds[2];
    }
}

TEST(ModelFit, CoefficientBeyondDoubleRangeKeepsTheNewExponent) {
    CalculationState s;
    // lg V = −300, −299, −298 and lg T = 100, 101, 102: slope 1, lg C = 100 + 300 = 400.
    s.cutting_speed = kvr::PerCutter{{1e-300, 1e-299, 1e-298}};
    s.tool_life = kvr::PerCutter{{1e100, 1e101, 1e102}};
    s.life_model_exponent = s.life_model_coefficient = kUntouched;
    EXPECT_EQ(FaultOf([&] { kvr::FitLifeModel(s); }), "Floating point overflow");
    EXPECT_NEAR(s.life_model_exponent, 1, 1e-12);
    EXPECT_EQ(s.life_model_coefficient, kUntouched);
}

TEST(ModelFit, FitPowerLawRecoversAnExactLaw) {
    // y = 2·x^3 at x = 1, 10, 100.
    const kvr::PowerLaw law =
        kvr::FitPowerLaw(kvr::PerCutter{{1, 10, 100}}, kvr::PerCutter{{2, 2000, 2000000}});
    EXPECT_NEAR(law.slope, 3, 1e-14);
    EXPECT_NEAR(law.coefficient, 2, 1e-13);
}

TEST(ModelFit, DecimalLog) {
    EXPECT_EQ(kvr::DecimalLog(1), 0);
    EXPECT_EQ(kvr::DecimalLog(10), 1);
    EXPECT_EQ(kvr::DecimalLog(1000), 3);
    EXPECT_EQ(kvr::DecimalLog(1e-300), -300);
    EXPECT_NEAR(kvr::DecimalLog(2), 0.30102999566398120, 1e-16);
    EXPECT_EQ(FaultOf([] { kvr::DecimalLog(0); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { kvr::DecimalLog(-1); }), "Invalid floating point operation");
}

struct PowerCase {
    long double base;
    long double exponent;
    long double result;
};

class ModelFitPower : public ::testing::TestWithParam<PowerCase> {};

TEST_P(ModelFitPower, Computes) {
    const PowerCase &c = GetParam();
    EXPECT_EQ(kvr::Power(c.base, c.exponent), c.result);
}

INSTANTIATE_TEST_SUITE_P(ModelFit, ModelFitPower,
                         ::testing::Values(PowerCase{0, 0, 1}, PowerCase{-7, 0, 1},
                                           PowerCase{0, 2, 0}, PowerCase{0, 0.5L, 0},
                                           PowerCase{2, 10, 1024}, PowerCase{-2, 3, -8},
                                           PowerCase{10, -1, 1 / 10.0L}, PowerCase{10, 4, 10000},
                                           PowerCase{-1, 1e300L, 1},
                                           PowerCase{-1, 1e300L + 1, 1}, // 1e300 + 1 == 1e300
                                           PowerCase{-1, 9007199254740993.0L, -1}, // 2^53 + 1, odd
                                           PowerCase{1, -1e300L, 1}, PowerCase{0.5L, 1e300L, 0},
                                           PowerCase{2, -1e300L, 0}, PowerCase{4, 0.5L, 2}));

TEST(ModelFit, PowerFaults) {
    EXPECT_EQ(FaultOf([] { kvr::Power(0, -1); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { kvr::Power(0, -0.5L); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { kvr::Power(-8, 1.0L / 3); }), "Invalid floating point operation");
    // Beyond the extended range in either direction of the exponent.
    EXPECT_EQ(FaultOf([] { kvr::Power(2, 1e300L); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { kvr::Power(0.5L, -1e300L); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { kvr::Power(10, 5000.5L); }), "Floating point overflow");
    // Within it, a result that no double holds is left for the caller's StoreDouble.
    EXPECT_TRUE(std::isfinite(kvr::Power(10, 400)));
}

} // namespace
