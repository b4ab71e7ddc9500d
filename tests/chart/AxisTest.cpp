#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

std::vector<double> LabelValues(const LaidAxis &axis) {
    std::vector<double> values;
    for (int pixel : axis.TickList())
        values.push_back(std::round(axis.PixelToValue(pixel) * 1000) / 1000);
    return values;
}

TEST(Axis, BottomAxisFromFiftyHasNoLabelAtFiftyWithStepTwenty) {
    auto chart = MakeGraphModel(417, 377, 50);
    chart->BottomAxis().SetIncrement(20);
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("Series7"));
    points.AddPoint(60, 1);
    points.AddPoint(187, 2);
    // Ticks come from the labels, produced from the top down.
    const auto values = LabelValues(Laid(chart.LayOut(), AxisId::Bottom));
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
    const LaidAxis axis = Laid(chart.LayOut(), AxisId::Left);
    ASSERT_GE(axis.TickList().size(), 2u);
    const double step = axis.WorkingMaximum() > 0 ? std::abs(axis.PixelToValue(axis.TickList()[0]) -
                                                             axis.PixelToValue(axis.TickList()[1]))
                                                  : 0;
    EXPECT_NEAR(step, 2.0, 0.2);
    EXPECT_NEAR(LabelValues(Laid(chart.LayOut(), AxisId::Left)).back(), 0.0, 1e-9);
}

// The left axis keeps its fixed minimum; the right one, automatic at both ends, widens both.
TEST(Axis, SeriesMarginWidensTheAutomaticEnd) {
    auto chart = MakeGraphModel();
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    points.SetVertAxis(TVertAxis::aBothVertAxis);
    points.AddPoint(0, 0);
    points.AddPoint(10, 40);
    const ChartLayout layout = chart.LayOut();
    const LaidAxis axis = Laid(layout, AxisId::Left);
    const double length = axis.AxisLength();
    // Top margin HorizSize + 1 = 5 pixels: maximum 40 + 5 × 40 / (length − 5).
    EXPECT_NEAR(axis.WorkingMaximum(), 40 + 5 * 40 / (length - 5), 1e-9);
    EXPECT_EQ(axis.WorkingMinimum(), 0.0);
    EXPECT_EQ(axis.ValueToPixel(40), axis.IStartPos() + 5);
    const LaidAxis right = Laid(layout, AxisId::Right);
    EXPECT_EQ(right.ValueToPixel(40), right.IStartPos() + 5);
    EXPECT_EQ(right.ValueToPixel(0), right.IEndPos() - 5);
}

TEST(Axis, MarginBeyondTheLargestDoubleEndsTheAxisThere) {
    auto chart = MakeGraphModel();
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    points.AddPoint(0, 0);
    points.AddPoint(10, 1.79e308);
    const LaidAxis axis = Laid(chart.LayOut(), AxisId::Left);
    // 5 pixels above 1.79e308 lie beyond the largest double.
    EXPECT_EQ(axis.WorkingMaximum(), DBL_MAX);
    // (1 − 1.79e308 / DBL_MAX) of the length below the top, not at the centre.
    EXPECT_NEAR(axis.ValueToPixel(1.79e308),
                axis.IStartPos() + (1 - 1.79e308 / DBL_MAX) * axis.AxisLength(), 1);
}

TEST(Axis, LineSeriesWithHiddenMarkerAddsNoMargin) {
    auto chart = MakeGraphModel();
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.Pointer().SetInflateMargins(true);
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    EXPECT_EQ(Laid(chart.LayOut(), AxisId::Left).WorkingMaximum(), 40.0);
    EXPECT_EQ(Laid(chart.LayOut(), AxisId::Bottom).WorkingMaximum(), 10.0);
}

TEST(Axis, DataBelowTheStoredMinimumExchangesTheEnds) {
    auto chart = MakeGraphModel(417, 377, 50);
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("S"));
    points.AddPoint(20, 1);
    points.AddPoint(30, 2);
    const LaidAxis axis = Laid(chart.LayOut(), AxisId::Bottom);
    EXPECT_LT(axis.WorkingMinimum(), 30.0);
    EXPECT_EQ(axis.WorkingMaximum(), 50.0);
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

struct RefusedCase {
    const char *name;
    std::function<void(TChartAxis &)> set;
    const char *message;
    bool axisException;
};

void PrintTo(const RefusedCase &c, std::ostream *out) { *out << c.name; }

class RefusedSetterTable : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSetterTable, RaisesItsMessageAndKeepsTheValue) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetMinMax(-5, 10);
    try {
        GetParam().set(axis);
        FAIL() << "not refused";
    } catch (const AxisException &e) {
        EXPECT_TRUE(GetParam().axisException);
        EXPECT_STREQ(e.what(), GetParam().message);
    } catch (const ChartException &e) {
        EXPECT_FALSE(GetParam().axisException);
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_EQ(axis.Minimum(), -5.0);
    EXPECT_EQ(axis.Maximum(), 10.0);
    EXPECT_EQ(axis.Increment(), 0.0);
    EXPECT_EQ(axis.LabelsSeparation(), 10);
    EXPECT_EQ(axis.LabelsAngle(), 0);
    EXPECT_EQ(axis.Title().Angle(), 90);
    EXPECT_EQ(axis.LogarithmicBase(), 10);
    EXPECT_FALSE(axis.Logarithmic());
}

INSTANTIATE_TEST_SUITE_P(
    Axis, RefusedSetterTable,
    ::testing::Values(RefusedCase{"minimum", [](TChartAxis &a) { a.SetMinimum(11); },
                                  "Axis Minimum Value must be <= Maximum", true},
                      RefusedCase{"maximum", [](TChartAxis &a) { a.SetMaximum(-6); },
                                  "Axis Maximum Value must be >= Minimum", true},
                      RefusedCase{"increment", [](TChartAxis &a) { a.SetIncrement(-0.5); },
                                  "Axis increment must be >= 0", true},
                      RefusedCase{"increment_nan",
                                  [](TChartAxis &a) { a.SetIncrement(std::nan("")); },
                                  "Axis increment must be >= 0", true},
                      RefusedCase{"separation", [](TChartAxis &a) { a.SetLabelsSeparation(-1); },
                                  "Labels Separation % must be greater than 0", true},
                      RefusedCase{"log_base", [](TChartAxis &a) { a.SetLogarithmicBase(1); },
                                  "Axis Logarithmic Base should be >= 2", true},
                      RefusedCase{"log_negative", [](TChartAxis &a) { a.SetLogarithmic(true); },
                                  "Logarithmic Axis Min and Max values should be >= 0", true},
                      RefusedCase{"labels_angle", [](TChartAxis &a) { a.SetLabelsAngle(360); },
                                  "Axis Labels Angle must be between 0 and 359 degrees", false},
                      RefusedCase{"title_angle", [](TChartAxis &a) { a.Title().SetAngle(-1); },
                                  "Axis Title Angle must be between 0 and 359 degrees", false}),
    [](const auto &info) { return std::string(info.param.name); });

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
    EXPECT_TRUE(Laid(chart.LayOut(), AxisId::Left).TickList().empty());
    chart->LeftAxis().SetTickOnLabelsOnly(false);
    EXPECT_FALSE(Laid(chart.LayOut(), AxisId::Left).TickList().empty());
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
    const AxisLayout axis = chart.LayOut().Axis(c.axis);
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
    const LaidAxis axis = Laid(chart.LayOut(), AxisId::Left);
    const auto ticks = axis.TickList();
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back(), axis.IEndPos());
}

TEST(Axis, TitleTakesAFontHeightOnlyWithACaption) {
    auto chart = MakeGraphChart();
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    chart->LeftAxis().SetTitleSize(1);
    chart->Picture();
    const int left = chart->PlotRect().Left;
    chart->LeftAxis().SetTitleSize(0);
    chart->Picture();
    EXPECT_EQ(chart->PlotRect().Left, left);
    chart->LeftAxis().Title().SetCaption(QStringLiteral("Wear"));
    const QImage &image = chart->Picture();
    const int titleRoom = chart->PlotRect().Left - left;
    EXPECT_GT(titleRoom, 8);
    // The turned caption lies in the room just taken, left of the labels.
    bool ink = false;
    for (int x = 26; x < 26 + titleRoom; ++x)
        for (int y = Laid(*chart, AxisId::Left).IStartPos();
             y < Laid(*chart, AxisId::Left).IEndPos(); ++y)
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
    EXPECT_TRUE(Laid(chart.LayOut(), AxisId::Left).TickList().empty());
    // 1000 steps: positions are recorded, never beyond the list's capacity.
    axis.SetIncrement(0.01);
    EXPECT_LE(Laid(chart.LayOut(), AxisId::Left).TickList().size(),
              std::size_t(TChartAxis::kTickCapacity));
    EXPECT_FALSE(Laid(chart.LayOut(), AxisId::Left).TickList().empty());
}

TEST(Axis, LabelLoopEndsWhereTheStepIsLostInPrecision) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetLabelsSeparation(0);
    axis.SetMinMax(1e17, 1e17 + 64);
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 1e17);
    // Every round would land on the same value: it is labelled once, and the loop stops.
    const LaidAxis laid = Laid(chart.LayOut(), AxisId::Left);
    const auto ticks = laid.TickList();
    EXPECT_EQ(ticks.size(), 1u);
    for (int tick : ticks)
        EXPECT_EQ(tick, ticks.front());
    EXPECT_GE(ticks.front(), laid.IStartPos());
    EXPECT_LE(ticks.front(), laid.IEndPos());
}

TEST(Axis, NonFiniteRangeDrawsNoLabelsAndDoesNotHang) {
    auto chart = MakeGraphModel();
    auto &axis = chart->LeftAxis();
    axis.SetMinMax(-1e308, 1e308);
    auto &line = chart->AddSeries<TLineSeries>(QStringLiteral("S"));
    line.AddPoint(0, 1);
    EXPECT_TRUE(Laid(chart.LayOut(), AxisId::Left).TickList().empty());
}

} // namespace
