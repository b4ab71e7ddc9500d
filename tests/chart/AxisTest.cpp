#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

std::vector<double> LabelValues(const AxisLayout &axis) {
    std::vector<double> values;
    for (int pixel : axis.ticks)
        values.push_back(std::round(axis.mapping.PixelToValue(pixel) * 1000) / 1000);
    return values;
}

TEST(Axis, BottomAxisFromFiftyHasNoLabelAtFiftyWithStepTwenty) {
    auto chart = MakeGraphModel(417, 377, 50);
    chart->BottomAxis().SetIncrement(20);
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("Series7"));
    points.AddPoint(60, 1);
    points.AddPoint(187, 2);
    // Ticks come from the labels, produced from the top down.
    const auto values = LabelValues(chart.Layout().Axis(AxisId::Bottom));
    ASSERT_FALSE(values.empty());
    EXPECT_NEAR(values.front(), 180, 1.0);
    EXPECT_NEAR(values.back(), 60, 1.0);
    EXPECT_EQ(values.size(), 7u);
}

TEST(Axis, StepSearchOnARealAxisGivesLabelsFortyDownToZero) {
    auto chart = MakeGraphModel();
    chart->LeftAxis().SetLabelsSeparation(10);
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 0);
    line.AddPoint(1, 40);
    const AxisLayout axis = chart.Layout().Axis(AxisId::Left);
    ASSERT_GE(axis.ticks.size(), 2u);
    const double step = axis.mapping.maximum > 0
                            ? std::abs(axis.mapping.PixelToValue(axis.ticks[0]) -
                                       axis.mapping.PixelToValue(axis.ticks[1]))
                            : 0;
    EXPECT_NEAR(step, 2.0, 0.2);
    EXPECT_NEAR(LabelValues(chart.Layout().Axis(AxisId::Left)).back(), 0.0, 1e-9);
}

// The left axis keeps its fixed minimum; the right one, automatic at both ends, widens both.
TEST(Axis, SeriesMarginWidensTheAutomaticEnd) {
    auto chart = MakeGraphModel();
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    points.SetVertAxis(TVertAxis::aBothVertAxis);
    points.AddPoint(0, 0);
    points.AddPoint(10, 40);
    const ChartLayout layout = chart.Layout();
    const AxisLayout axis = layout.Axis(AxisId::Left);
    const double length = axis.mapping.Length();
    // Top margin HorizSize + 1 = 5 pixels: maximum 40 + 5 × 40 / (length − 5).
    EXPECT_NEAR(axis.mapping.maximum, 40 + 5 * 40 / (length - 5), 1e-9);
    EXPECT_EQ(axis.mapping.minimum, 0.0);
    EXPECT_EQ(axis.mapping.ValueToPixel(40), axis.mapping.start + 5);
    const AxisLayout right = layout.Axis(AxisId::Right);
    EXPECT_EQ(right.mapping.ValueToPixel(40), right.mapping.start + 5);
    EXPECT_EQ(right.mapping.ValueToPixel(0), right.mapping.end - 5);
}

TEST(Axis, MarginBeyondTheLargestDoubleEndsTheAxisThere) {
    auto chart = MakeGraphModel();
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    points.AddPoint(0, 0);
    points.AddPoint(10, 1.79e308);
    const AxisLayout axis = chart.Layout().Axis(AxisId::Left);
    // 5 pixels above 1.79e308 lie beyond the largest double.
    EXPECT_EQ(axis.mapping.maximum, DBL_MAX);
    // (1 − 1.79e308 / DBL_MAX) of the length below the top, not at the centre.
    EXPECT_NEAR(axis.mapping.ValueToPixel(1.79e308),
                axis.mapping.start + (1 - 1.79e308 / DBL_MAX) * axis.mapping.Length(), 1);
}

TEST(Axis, LineSeriesWithHiddenMarkerAddsNoMargin) {
    auto chart = MakeGraphModel();
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.Pointer().SetInflateMargins(true);
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    EXPECT_EQ(chart.Layout().Axis(AxisId::Left).mapping.maximum, 40.0);
    EXPECT_EQ(chart.Layout().Axis(AxisId::Bottom).mapping.maximum, 10.0);
}

TEST(Axis, DataBelowTheStoredMinimumExchangesTheEnds) {
    auto chart = MakeGraphModel(417, 377, 50);
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    points.AddPoint(20, 1);
    points.AddPoint(30, 2);
    const AxisLayout axis = chart.Layout().Axis(AxisId::Bottom);
    EXPECT_LT(axis.mapping.minimum, 30.0);
    EXPECT_EQ(axis.mapping.maximum, 50.0);
}

struct MinMaxCase {
    double a, b, minimum, maximum;
};

void PrintTo(const MinMaxCase &c, std::ostream *out) { *out << c.a << ", " << c.b; }

class SetMinMaxTable : public ::testing::TestWithParam<MinMaxCase> {};

TEST_P(SetMinMaxTable, OrdersThePairAndTurnsAutomaticOff) {
    auto chart = MakeGraphModel();
    auto &axis = chart->BottomAxis();
    axis.SetAutomatic(true);
    axis.SetMinMax(GetParam().a, GetParam().b);
    EXPECT_EQ(axis.Minimum(), GetParam().minimum);
    EXPECT_EQ(axis.Maximum(), GetParam().maximum);
    EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
}

INSTANTIATE_TEST_SUITE_P(Axis, SetMinMaxTable,
                         ::testing::Values(MinMaxCase{5, 5, 5, 5 + 1e-10}, MinMaxCase{7, 3, 3, 7},
                                           MinMaxCase{-1, 2, -1, 2}));

// The stored properties that have checks, as one line: the left axis's ends, increment,
// labels separation and angle, title angle, logarithmic base and flag; the legend's colour
// width, top position and first value; the first series' pointer size; the 3D percent.
std::string CheckedProperties(ChartModel &chart) {
    TChartAxis &axis = chart.LeftAxis();
    const TChartLegend &legend = chart.Legend();
    const TSeriesPointer &pointer = static_cast<TPointSeries &>(chart.Series(0)).Pointer();
    std::ostringstream out;
    out << axis.Minimum() << ' ' << axis.Maximum() << ' ' << axis.Increment() << ' '
        << axis.LabelsSeparation() << ' ' << axis.LabelsAngle() << ' ' << axis.Title().Angle()
        << ' ' << axis.LogarithmicBase() << ' ' << axis.Logarithmic() << " | "
        << legend.ColorWidth() << ' ' << legend.TopPos() << ' ' << legend.FirstValue() << " | "
        << pointer.HorizSize() << 'x' << pointer.VertSize() << " | " << chart.Chart3DPercent();
    return out.str();
}

constexpr const char *kChecked = "-5 10 0 10 0 90 10 0 | 12 10 0 | 4x4 | 15";

struct SetterCase {
    const char *name;
    std::function<void(ChartModel &)> set;
    const char *message; // for a value kept: every property after it
    bool axisException = false;
};

void PrintTo(const SetterCase &c, std::ostream *out) { *out << c.name; }

class RefusedSetterTable : public ::testing::TestWithParam<SetterCase> {};
class KeptSetterTable : public ::testing::TestWithParam<SetterCase> {};

GraphModel CheckedModel() {
    auto chart = MakeGraphModel();
    chart->LeftAxis().SetMinMax(-5, 10);
    chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    EXPECT_EQ(CheckedProperties(*chart.model), kChecked);
    return chart;
}

TEST_P(RefusedSetterTable, RaisesItsMessageAndKeepsEveryCheckedValue) {
    auto chart = CheckedModel();
    try {
        GetParam().set(*chart.model);
        FAIL() << "not refused";
    } catch (const AxisException &e) {
        EXPECT_TRUE(GetParam().axisException);
        EXPECT_STREQ(e.what(), GetParam().message);
    } catch (const ChartException &e) {
        EXPECT_FALSE(GetParam().axisException);
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_EQ(CheckedProperties(*chart.model), kChecked);
}

// A value just inside each check is kept, and only it changes.
TEST_P(KeptSetterTable, KeepsTheValueAndNothingElse) {
    auto chart = CheckedModel();
    GetParam().set(*chart.model);
    EXPECT_EQ(CheckedProperties(*chart.model), GetParam().message);
}

TChartAxis &LeftOf(ChartModel &c) { return c.LeftAxis(); }
TSeriesPointer &Pointer(ChartModel &c) {
    return static_cast<TPointSeries &>(c.Series(0)).Pointer();
}
#define SETTER(name, call, text, ...)                                                              \
    SetterCase {                                                                                   \
        name, [](ChartModel &c) { call; }, text, __VA_ARGS__                                       \
    }

INSTANTIATE_TEST_SUITE_P(
    Model, RefusedSetterTable,
    ::testing::Values(
        SETTER("minimum", LeftOf(c).SetMinimum(11), "Axis Minimum Value must be <= Maximum", true),
        SETTER("maximum", LeftOf(c).SetMaximum(-6), "Axis Maximum Value must be >= Minimum", true),
        SETTER("increment", LeftOf(c).SetIncrement(-0.5), "Axis increment must be >= 0", true),
        SETTER("increment_nan", LeftOf(c).SetIncrement(std::nan("")), "Axis increment must be >= 0",
               true),
        SETTER("separation", LeftOf(c).SetLabelsSeparation(-1),
               "Labels Separation % must be greater than 0", true),
        SETTER("log_base", LeftOf(c).SetLogarithmicBase(1), "Axis Logarithmic Base should be >= 2",
               true),
        SETTER("log_negative", LeftOf(c).SetLogarithmic(true),
               "Logarithmic Axis Min and Max values should be >= 0", true),
        SETTER("labels_angle", LeftOf(c).SetLabelsAngle(360),
               "Axis Labels Angle must be between 0 and 359 degrees"),
        SETTER("labels_angle_low", LeftOf(c).SetLabelsAngle(-1),
               "Axis Labels Angle must be between 0 and 359 degrees"),
        SETTER("title_angle", LeftOf(c).Title().SetAngle(-1),
               "Axis Title Angle must be between 0 and 359 degrees"),
        SETTER("title_angle_high", LeftOf(c).Title().SetAngle(360),
               "Axis Title Angle must be between 0 and 359 degrees"),
        SETTER("color_width_high", c.Legend().SetColorWidth(101),
               "Legend Color Width must be between 0 and 100 %"),
        SETTER("color_width_low", c.Legend().SetColorWidth(-1),
               "Legend Color Width must be between 0 and 100 %"),
        SETTER("top_pos", c.Legend().SetTopPos(101),
               "Top Legend Position must be between 0 and 100 %"),
        SETTER("top_pos_low", c.Legend().SetTopPos(-1),
               "Top Legend Position must be between 0 and 100 %"),
        SETTER("first_value", c.Legend().SetFirstValue(-1), "First Legend Value must be > 0"),
        SETTER("pointer_width", Pointer(c).SetHorizSize(0),
               "Pointer size must be greater than zero"),
        SETTER("pointer_height", Pointer(c).SetVertSize(0),
               "Pointer size must be greater than zero"),
        SETTER("3d_low", c.SetChart3DPercent(0), "3D effect percent must be between 1 and 100"),
        SETTER("3d_high", c.SetChart3DPercent(101), "3D effect percent must be between 1 and 100")),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Model, KeptSetterTable,
    ::testing::Values(
        SETTER("minimum", LeftOf(c).SetMinimum(10), "10 10 0 10 0 90 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("maximum", LeftOf(c).SetMaximum(-5), "-5 -5 0 10 0 90 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("increment", LeftOf(c).SetIncrement(0.5),
               "-5 10 0.5 10 0 90 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("separation", LeftOf(c).SetLabelsSeparation(0),
               "-5 10 0 0 0 90 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("log_base", LeftOf(c).SetLogarithmicBase(2),
               "-5 10 0 10 0 90 2 0 | 12 10 0 | 4x4 | 15"),
        SETTER("labels_angle", LeftOf(c).SetLabelsAngle(359),
               "-5 10 0 10 359 90 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("title_angle", LeftOf(c).Title().SetAngle(0),
               "-5 10 0 10 0 0 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("title_angle_high", LeftOf(c).Title().SetAngle(359),
               "-5 10 0 10 0 359 10 0 | 12 10 0 | 4x4 | 15"),
        SETTER("color_width", c.Legend().SetColorWidth(100),
               "-5 10 0 10 0 90 10 0 | 100 10 0 | 4x4 | 15"),
        SETTER("color_width_low", c.Legend().SetColorWidth(0),
               "-5 10 0 10 0 90 10 0 | 0 10 0 | 4x4 | 15"),
        SETTER("top_pos", c.Legend().SetTopPos(100), "-5 10 0 10 0 90 10 0 | 12 100 0 | 4x4 | 15"),
        SETTER("top_pos_low", c.Legend().SetTopPos(0), "-5 10 0 10 0 90 10 0 | 12 0 0 | 4x4 | 15"),
        SETTER("first_value", c.Legend().SetFirstValue(3),
               "-5 10 0 10 0 90 10 0 | 12 10 3 | 4x4 | 15"),
        SETTER("pointer", (Pointer(c).SetHorizSize(1), Pointer(c).SetVertSize(2)),
               "-5 10 0 10 0 90 10 0 | 12 10 0 | 1x2 | 15"),
        SETTER("3d_low", c.SetChart3DPercent(1), "-5 10 0 10 0 90 10 0 | 12 10 0 | 4x4 | 1"),
        SETTER("3d_high", c.SetChart3DPercent(100), "-5 10 0 10 0 90 10 0 | 12 10 0 | 4x4 | 100")),
    [](const auto &info) { return std::string(info.param.name); });

#undef SETTER

TEST(Axis, StoredMinimumAboveMaximumLoadsSilently) {
    auto chart = MakeGraphModel();
    chart->BeginLoading();
    chart->BottomAxis().SetMinimum(50);
    chart->EndLoading();
    EXPECT_EQ(chart->BottomAxis().Minimum(), 50.0);
    EXPECT_THROW(chart->BottomAxis().SetMinimum(60), AxisException);
    EXPECT_EQ(chart->BottomAxis().Minimum(), 50.0);
}

TEST(Axis, AutomaticSetterCouplesTheFlagsExceptWhileLoading) {
    auto chart = MakeGraphModel();
    auto &axis = chart->TopAxis();
    chart->BeginLoading();
    axis.SetAutomatic(false);
    axis.SetAutomaticMinimum(false);
    chart->EndLoading();
    EXPECT_TRUE(axis.AutomaticMaximum());
    axis.SetAutomatic(true);
    EXPECT_TRUE(axis.AutomaticMinimum() && axis.AutomaticMaximum());
    axis.SetAutomaticMaximum(false);
    EXPECT_FALSE(axis.Automatic());
    axis.SetAutomaticMaximum(true);
    EXPECT_TRUE(axis.Automatic());
}

TEST(Axis, NoTicksAndNoGridWithoutLabelsWhenTicksFollowLabels) {
    auto chart = MakeGraphModel();
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    chart->LeftAxis().SetLabels(false);
    EXPECT_TRUE(chart.Layout().Axis(AxisId::Left).ticks.empty());
    chart->LeftAxis().SetTickOnLabelsOnly(false);
    EXPECT_FALSE(chart.Layout().Axis(AxisId::Left).ticks.empty());
}

struct LabelStyleCase {
    const char *name;
    AxisId axis;
    TAxisLabelStyle style;
    bool onAxis;
    const char *labels; // value:text, in the list's order
};

void PrintTo(const LabelStyleCase &c, std::ostream *out) { *out << c.name; }

class LabelStyleTable : public ::testing::TestWithParam<LabelStyleCase> {};

// Points carry texts just outside, at and inside both ends of both axes, and one none.
TEST_P(LabelStyleTable, ListsEveryLabelWithItsTextAtItsValue) {
    auto chart = MakeGraphModel();
    chart->Legend().SetVisible(false);
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    const double xs[] = {-1, 0, 4, 6, 10, 11}, ys[] = {45, 40, 10, 20, 0, -5};
    const char *texts[] = {"Z", "A", "B", "", "D", "E"};
    for (int i = 0; i < 6; ++i)
        points.AddPoint(xs[i], ys[i], QString::fromLatin1(texts[i]));
    chart->BottomAxis().SetMinMax(0, 10);
    chart->BottomAxis().SetIncrement(2);
    chart->LeftAxis().SetMinMax(0, 40);
    chart->LeftAxis().SetIncrement(10);
    const LabelStyleCase &c = GetParam();
    chart->Axis(c.axis).SetLabelStyle(c.style);
    chart->Axis(c.axis).SetLabelsOnAxis(c.onAxis);
    const AxisLayout axis = chart.Layout().Axis(c.axis);
    std::string expected, actual;
    for (const QString &label : QString::fromLatin1(c.labels).split(' ', Qt::SkipEmptyParts))
        expected += QStringLiteral("%1:%2 ")
                        .arg(axis.mapping.ValueToPixel(label.section(':', 0, 0).toDouble()))
                        .arg(label.section(':', 1))
                        .toStdString();
    for (const AxisLabel &label : axis.labels)
        actual += QStringLiteral("%1:%2 ").arg(label.pixel).arg(label.text).toStdString();
    EXPECT_EQ(actual, expected);
}

using enum AxisId;
using enum TAxisLabelStyle;

// Off the axis: no label on either end.
INSTANTIATE_TEST_SUITE_P(
    Axis, LabelStyleTable,
    ::testing::Values(LabelStyleCase{"values", Bottom, talValue, true, "10:10 8:8 6:6 4:4 2:2 0:0"},
                      LabelStyleCase{"values_off_axis", Bottom, talValue, false, "8:8 6:6 4:4 2:2"},
                      LabelStyleCase{"auto_texts", Bottom, talAuto, true, "0:A 4:B 10:D"},
                      LabelStyleCase{"marks", Bottom, talMark, true, "0:A 4:B 10:D"},
                      LabelStyleCase{"texts_off_axis", Bottom, talText, false, "4:B"},
                      LabelStyleCase{"none", Bottom, talNone, true, ""},
                      // Only a horizontal axis takes its texts from the points by itself.
                      LabelStyleCase{"left_auto_values", Left, talAuto, true,
                                     "40:40 30:30 20:20 10:10 0:0"},
                      LabelStyleCase{"left_texts", Left, talText, true, "40:A 10:B 0:D"},
                      LabelStyleCase{"left_texts_off_axis", Left, talText, false, "10:B"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Axis, ZeroMinimumIsLabelled) {
    auto chart = MakeGraphModel();
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    const AxisLayout axis = chart.Layout().Axis(AxisId::Left);
    const auto ticks = axis.ticks;
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back(), axis.mapping.end);
}

TEST(Axis, TitleTakesAFontHeightOnlyWithACaption) {
    auto chart = MakeGraphChart();
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    chart->Model().LeftAxis().SetTitleSize(1);
    chart->Picture();
    const int left = chart->PlotRect().Left;
    chart->Model().LeftAxis().SetTitleSize(0);
    chart->Picture();
    EXPECT_EQ(chart->PlotRect().Left, left);
    chart->Model().LeftAxis().Title().SetCaption(QStringLiteral("Wear"));
    const QImage &image = chart->Picture();
    const int titleRoom = chart->PlotRect().Left - left;
    EXPECT_GT(titleRoom, 8);
    // The turned caption lies in the room just taken, left of the labels.
    bool ink = false;
    for (int x = 26; x < 26 + titleRoom; ++x)
        for (int y = chart->DrawnLayout().Axis(AxisId::Left).mapping.start;
             y < chart->DrawnLayout().Axis(AxisId::Left).mapping.end; ++y)
            ink = ink || PixelRgb(image, x, y) == 0x000000;
    EXPECT_TRUE(ink);
}

TEST(Axis, ScrollMovesBothEndsWithAutomaticOff) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetMinMax(0, 10);
    axis.SetAutomatic(true);
    axis.Scroll(2.5);
    EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
    EXPECT_EQ(axis.Minimum(), 2.5);
    EXPECT_EQ(axis.Maximum(), 12.5);
}

TEST(Axis, TenThousandStepsOrMoreProduceNoLabels) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetLabelsSeparation(0);
    axis.SetIncrement(0.001);
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 0);
    line.AddPoint(1, 10);
    EXPECT_TRUE(chart.Layout().Axis(AxisId::Left).ticks.empty());
    // 1000 steps: positions are recorded, never beyond the list's capacity.
    axis.SetIncrement(0.01);
    EXPECT_LE(chart.Layout().Axis(AxisId::Left).ticks.size(),
              std::size_t(TChartAxis::kTickCapacity));
    EXPECT_FALSE(chart.Layout().Axis(AxisId::Left).ticks.empty());
}

TEST(Axis, LabelLoopEndsWhereTheStepIsLostInPrecision) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetLabelsSeparation(0);
    axis.SetMinMax(1e17, 1e17 + 64);
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 1e17);
    // Every round would land on the same value: it is labelled once, and the loop stops.
    const AxisLayout laid = chart.Layout().Axis(AxisId::Left);
    const auto ticks = laid.ticks;
    EXPECT_EQ(ticks.size(), 1u);
    for (int tick : ticks)
        EXPECT_EQ(tick, ticks.front());
    EXPECT_GE(ticks.front(), laid.mapping.start);
    EXPECT_LE(ticks.front(), laid.mapping.end);
}

TEST(Axis, NonFiniteRangeDrawsNoLabelsAndDoesNotHang) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetMinMax(-1e308, 1e308);
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 1);
    EXPECT_TRUE(chart.Layout().Axis(AxisId::Left).ticks.empty());
}

} // namespace
