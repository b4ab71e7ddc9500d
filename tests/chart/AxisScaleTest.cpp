#include <kvrchart/AxisScale.h>

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <vector>

using namespace kvr::chart;

namespace {

struct NextCase {
    double step;
    double next;
};

void PrintTo(const NextCase &c, std::ostream *out) { *out << c.step; }

class NextStepTable : public ::testing::TestWithParam<NextCase> {};

TEST_P(NextStepTable, ClimbsOneTwoFive) {
    EXPECT_NEAR(NextStep(GetParam().step), GetParam().next, GetParam().next * 1e-9);
}

INSTANTIATE_TEST_SUITE_P(AxisScale, NextStepTable,
                         ::testing::Values(NextCase{1, 2}, NextCase{2, 5}, NextCase{5, 10},
                                           NextCase{10, 20}, NextCase{20, 50}, NextCase{50, 100},
                                           NextCase{1.5, 2}, NextCase{0.1, 0.2}, NextCase{0.2, 0.5},
                                           NextCase{0.5, 1}, NextCase{0.05, 0.1},
                                           NextCase{1e-12, 2e-12}));

struct StepCase {
    const char *name;
    StepQuery query;
    double step;
};

void PrintTo(const StepCase &c, std::ostream *out) { *out << c.name; }

class LabelStepTable : public ::testing::TestWithParam<StepCase> {};

TEST_P(LabelStepTable, FindsTheFirstStepThatFits) {
    EXPECT_DOUBLE_EQ(LabelStep(GetParam().query), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    AxisScale, LabelStepTable,
    ::testing::Values(
        // s' = 14 + round(1.4) = 15, n = round(320 / 15) = 21; 40 / 1 > 21, 40 / 2 <= 21.
        StepCase{"example_0_to_40", {320, 14, 10, 0.0, 40.0}, 2.0},
        // n = round(100 / 11) = 9; range 5 / 2 = 2.5 rounds to 2 <= 9 at once with step 1? 5 <= 9.
        StepCase{"range_five_fits_at_one", {100, 10, 10, 0.0, 5.0}, 1.0},
        // n = round(22 / 11) = 2: step 1 gives 5, step 2 gives round(2.5) = 2 (to even).
        StepCase{"count_rounds_to_even", {22, 10, 10, 0.0, 5.0}, 2.0},
        StepCase{"increment_is_the_first_step", {320, 14, 10, 5.0, 40.0}, 5.0},
        StepCase{"separation_zero_keeps_first", {320, 14, 0, 0.0, 4000.0}, 1.0},
        StepCase{"no_room_gives_smallest", {0, 14, 10, 0.0, 40.0}, 1e-12},
        StepCase{"small_range_starts_below_one", {320, 14, 10, 0.0, 0.4}, 0.02},
        StepCase{"empty_label_fits_once", {320, 0, 10, 0.0, 40.0}, 50.0},
        StepCase{"huge_range_climbs_past_int", {320, 14, 10, 0.0, 1e15}, 5e13}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AxisScale, StepSearchEndsOnNonFiniteRanges) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(LabelStep({320, 14, 10, 0.0, inf}), 1.0);
    EXPECT_EQ(LabelStep({320, 14, 10, 0.0, std::nan("")}), 1e-12);
    EXPECT_EQ(LabelStep({320, 14, 10, inf, 40.0}), inf);
}

struct TextCase {
    double value;
    const char *text;
};

void PrintTo(const TextCase &c, std::ostream *out) { *out << c.text; }

class LabelTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(LabelTextTable, FormatsWithTheLocaleSeparators) {
    const QLocale ukrainian(QLocale::Ukrainian, QLocale::Ukraine);
    QString expected = QString::fromUtf8(GetParam().text);
    expected.replace(QLatin1Char('_'), ukrainian.groupSeparator());
    EXPECT_EQ(AxisValueText(GetParam().value, ukrainian), expected);
}

INSTANTIATE_TEST_SUITE_P(AxisScale, LabelTextTable,
                         ::testing::Values(TextCase{100, "100"}, TextCase{2.5, "2,5"},
                                           TextCase{12.3456, "12,346"}, TextCase{0, "0"},
                                           TextCase{-0.0001, "0"}, TextCase{-3.25, "-3,25"},
                                           TextCase{1234567.8, "1_234_567,8"},
                                           TextCase{0.1 + 0.2, "0,3"}));

struct FormatCase {
    const char *format;
    double value;
    const char *text;
};

void PrintTo(const FormatCase &c, std::ostream *out) { *out << c.format << " " << c.value; }

class NumberFormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormatTable, WritesTheDecimalsTheFormatAsksFor) {
    const auto &c = GetParam();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(AxisValueText(c.value, english, ParseNumberFormat(QString::fromLatin1(c.format))),
              QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    AxisScale, NumberFormatTable,
    ::testing::Values(FormatCase{"#,##0.###", 1234.5, "1,234.5"},
                      FormatCase{"0.00", 1234.5, "1234.50"}, FormatCase{"0.0#", 2, "2.0"},
                      FormatCase{"0.0#", 2.124, "2.12"}, FormatCase{"#,##0", 1234.4, "1,234"},
                      FormatCase{"0", -0.2, "0"}, FormatCase{"0.00", -0.001, "0.00"},
                      FormatCase{"dd/mm/yyyy", 2.5, "2.5"}));

TEST(AxisScale, LabelTextUsesTheGivenLocale) {
    EXPECT_EQ(AxisValueText(1234.5, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("1,234.5"));
}

struct MapCase {
    const char *name;
    AxisMapping map;
    double value;
    int pixel;
};

void PrintTo(const MapCase &c, std::ostream *out) { *out << c.name; }

class ValueToPixelTable : public ::testing::TestWithParam<MapCase> {};

TEST_P(ValueToPixelTable, MapsValuesOntoTheAxis) {
    EXPECT_EQ(GetParam().map.ValueToPixel(GetParam().value), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(
    AxisScale, ValueToPixelTable,
    ::testing::Values(
        // 100 + round((25 - 0) * 200 / 100) = 150.
        MapCase{"horizontal", {100, 300, 0, 100, true, false}, 25, 150},
        // 300 - round(50) = 250.
        MapCase{"vertical", {100, 300, 0, 100, false, false}, 25, 250},
        MapCase{"horizontal_inverted", {100, 300, 0, 100, true, true}, 25, 250},
        MapCase{"vertical_inverted", {100, 300, 0, 100, false, true}, 25, 150},
        // t = 0.5 exactly: ties go to the even neighbour, 100 + 0.
        MapCase{"tie_to_even", {100, 300, 0, 400, true, false}, 1, 100},
        MapCase{"zero_range_centre", {100, 300, 5, 5, true, false}, 7, 200},
        MapCase{"beyond_guard_centre", {100, 300, 0, 1, true, false}, 1e9, 200},
        MapCase{"nan_centre", {100, 300, 0, 1, true, false}, std::nan(""), 200},
        // t is below 2^31 - 1 but start + t is not: the centre, not an overflow.
        MapCase{"start_plus_offset_overflow", {1000, 1200, 0, 200, true, false}, 2147483000, 1100},
        // 1e308 · 300 overflows a double; 304 - round(1e308 / 1.7e308 · 300) = 304 - 176.
        MapCase{"product_beyond_double", {4, 304, 0, 1.7e308, false, false}, 1e308, 128}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AxisScale, PixelToValueInvertsTheMapping) {
    const AxisMapping horizontal{100, 300, 0, 100, true, false};
    EXPECT_DOUBLE_EQ(horizontal.PixelToValue(150), 25.0);
    const AxisMapping vertical{100, 300, 0, 100, false, false};
    EXPECT_DOUBLE_EQ(vertical.PixelToValue(250), 25.0);
    // 100 · 1.7e308 overflows a double: 1.7e308 - 100 / 300 · 1.7e308.
    const AxisMapping largest{4, 304, 0, 1.7e308, false, false};
    EXPECT_DOUBLE_EQ(largest.PixelToValue(104), 1.7e308 - 1.7e308 / 3);
    const AxisMapping empty{100, 100, 0, 100, true, false};
    EXPECT_EQ(empty.PixelToValue(150), 0.0);
}

struct LabelsCase {
    const char *name;
    double minimum, maximum, step;
    std::vector<double> values;
};

void PrintTo(const LabelsCase &c, std::ostream *out) { *out << c.name; }

class LabelValuesTable : public ::testing::TestWithParam<LabelsCase> {};

TEST_P(LabelValuesTable, RunFromTheTopDown) {
    const LabelsCase &c = GetParam();
    EXPECT_EQ(LabelValues(c.minimum, c.maximum, c.step, true), c.values);
}

INSTANTIATE_TEST_SUITE_P(
    AxisScale, LabelValuesTable,
    ::testing::Values(
        // Trunc(187 / 20) * 20 = 180 down to the first multiple above 50.
        LabelsCase{"multiples_of_the_step", 50, 187, 20, {180, 160, 140, 120, 100, 80, 60}},
        // 1e20 - 1e-12 == 1e20: one label, not ten thousand copies of it.
        LabelsCase{"step_below_precision", 1e20, 1e20, 1e-12, {1e20}},
        // Trunc(max / step) · step rounds one ulp above max, and 20 is below half an ulp.
        LabelsCase{"first_label_above_maximum",
                   8.626903632435093e+20,
                   8.626903632435094e+20,
                   20,
                   {8.626903632435094e+20}},
        LabelsCase{"ten_thousand_steps_none", 0, 10000, 1, {}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
