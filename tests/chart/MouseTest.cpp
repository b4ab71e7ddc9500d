#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace {

// The first chart of the graphs window with data, drawn once so the layout is known.
std::unique_ptr<TChart> ShownWearChart() {
    auto chart = MakeGraphChart();
    const WearSeries wear = AddWearSeries(*chart);
    for (int i = 0; i < 3; ++i) {
        wear.points[i]->AddPoint(1 + i, 10 + i);
        wear.lines[i]->AddPoint(1 + i, 10);
        wear.lines[i]->AddPoint(3 + i, 40);
    }
    chart->Picture();
    return chart;
}

void Drag(TChart &chart, Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(&chart, button, Qt::NoModifier, from);
    QTest::mouseMove(&chart, to);
    QTest::mouseRelease(&chart, button, Qt::NoModifier, to);
}

struct ZoomCase {
    const char *name;
    int dx;
    int dy;
    bool zooms;
};

void PrintTo(const ZoomCase &c, std::ostream *out) { *out << c.name; }

class ZoomThresholdTable : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomThresholdTable, OnlyDragsBeyondSixteenPixelsBothWaysZoom) {
    auto chart = ShownWearChart();
    const ChartRect plot = chart->PlotRect();
    const QPoint from(plot.Left + 60, plot.Top + 60);
    const double minimumBefore = chart->BottomAxis().Minimum();
    Drag(*chart, Qt::LeftButton, from, from + QPoint(GetParam().dx, GetParam().dy));
    EXPECT_EQ(chart->Zoomed(), GetParam().zooms);
    EXPECT_FALSE(chart->ZoomRecord().Active);
    if (GetParam().zooms)
        EXPECT_GT(chart->BottomAxis().Minimum(), minimumBefore);
    else
        EXPECT_EQ(chart->BottomAxis().Minimum(), minimumBefore);
}

INSTANTIATE_TEST_SUITE_P(Mouse, ZoomThresholdTable,
                         ::testing::Values(ZoomCase{"exactly_16_both", 16, 16, false},
                                           ZoomCase{"16_across_40_down", 16, 40, false},
                                           ZoomCase{"40_across_16_down", 40, 16, false},
                                           ZoomCase{"17_both", 17, 17, true},
                                           ZoomCase{"large", 120, 90, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Mouse, ZoomInSetsTheRangeBetweenTheDraggedPixels) {
    auto chart = ShownWearChart();
    auto &bottom = chart->BottomAxis();
    auto &left = chart->LeftAxis();
    const QPoint from(bottom.ValueToPixel(2), left.ValueToPixel(30));
    const QPoint to(bottom.ValueToPixel(4), left.ValueToPixel(15));
    const double x0 = bottom.PixelToValue(from.x()), x1 = bottom.PixelToValue(to.x());
    const double y0 = left.PixelToValue(to.y()), y1 = left.PixelToValue(from.y());
    Drag(*chart, Qt::LeftButton, from, to);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), x0);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), x1);
    EXPECT_DOUBLE_EQ(left.Minimum(), y0);
    EXPECT_DOUBLE_EQ(left.Maximum(), y1);
    EXPECT_FALSE(bottom.AutomaticMaximum());
}

TEST(Mouse, DragTowardTheUpperLeftUndoesTheZoom) {
    auto chart = ShownWearChart();
    const ChartRect plot = chart->PlotRect();
    const QPoint start(plot.Left + 40, plot.Top + 40);
    Drag(*chart, Qt::LeftButton, start, start + QPoint(100, 100));
    ASSERT_TRUE(chart->Zoomed());
    chart->Picture();
    Drag(*chart, Qt::LeftButton, start + QPoint(100, 100), start);
    EXPECT_FALSE(chart->Zoomed());
    // The stored settings come back: minimum fixed at 0, maximum from the data.
    const auto &bottom = chart->BottomAxis();
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_FALSE(bottom.AutomaticMinimum());
    EXPECT_TRUE(bottom.AutomaticMaximum());
    EXPECT_EQ(bottom.Minimum(), 0.0);
}

TEST(Mouse, PressOnTheLegendOrOutsideStartsNoDrag) {
    auto chart = ShownWearChart();
    const ChartRect box = chart->Legend().LegendRect();
    for (QPoint at :
         {QPoint((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2), QPoint(2, 2)}) {
        QTest::mousePress(chart.get(), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_FALSE(chart->ZoomRecord().Active);
        QTest::mouseRelease(chart.get(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mousePress(chart.get(), Qt::RightButton, Qt::NoModifier, at);
        EXPECT_FALSE(chart->PanningRecord().Active);
        QTest::mouseRelease(chart.get(), Qt::RightButton, Qt::NoModifier, at);
    }
}

TEST(Mouse, PlotAreaIsNoTargetWithoutActiveSeries) {
    auto chart = MakeGraphChart();
    chart->Picture();
    const ChartRect plot = chart->PlotRect();
    QTest::mousePress(chart.get(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(chart->PlotXCenter(), (plot.Top + plot.Bottom) / 2));
    EXPECT_FALSE(chart->ZoomRecord().Active);
}

TEST(Mouse, RightDragInsidePlotRectPansTheAxes) {
    auto chart = ShownWearChart();
    const ChartRect plot = chart->PlotRect();
    const QPoint from(plot.Left + 100, plot.Top + 100);
    auto &bottom = chart->BottomAxis();
    const double span = bottom.Maximum() - bottom.Minimum();
    const double shift = bottom.PixelToValue(from.x()) - bottom.PixelToValue(from.x() + 30);
    const double minimum = bottom.Minimum();
    QTest::mousePress(chart.get(), Qt::RightButton, Qt::NoModifier, from);
    ASSERT_TRUE(chart->PanningRecord().Active);
    QTest::mouseMove(chart.get(), from + QPoint(30, 0));
    EXPECT_DOUBLE_EQ(bottom.Minimum(), minimum + shift);
    EXPECT_NEAR(bottom.Maximum() - bottom.Minimum(), span, 1e-9);
    // Leaving PlotRect ends the panning.
    QTest::mouseMove(chart.get(), QPoint(plot.Left - 5, plot.Top + 100));
    EXPECT_FALSE(chart->PanningRecord().Active);
}

void Wheel(TChart &chart, int delta) {
    const QPointF at(100, 100);
    QWheelEvent wheel(at, chart.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
}

struct WheelCase {
    int delta;
    double fraction;
};

void PrintTo(const WheelCase &c, std::ostream *out) { *out << c.delta; }

class WheelTable : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelTable, ScrollsTheVerticalAxesByThreePercent) {
    auto chart = ShownWearChart();
    auto &left = chart->LeftAxis();
    const double minimum = left.Minimum();
    const double maximum = left.Maximum();
    const double bottomMinimum = chart->BottomAxis().Minimum();
    Wheel(*chart, GetParam().delta);
    const double d = GetParam().fraction * (maximum - minimum);
    EXPECT_DOUBLE_EQ(left.Minimum(), minimum + d);
    EXPECT_DOUBLE_EQ(left.Maximum(), maximum + d);
    EXPECT_FALSE(left.Automatic() || left.AutomaticMaximum());
    EXPECT_EQ(chart->BottomAxis().Minimum(), bottomMinimum);
}

// A notch toward the user (negative delta) scrolls by +3 %, away from the user by −3 %.
INSTANTIATE_TEST_SUITE_P(Mouse, WheelTable,
                         ::testing::Values(WheelCase{-120, 0.03}, WheelCase{120, -0.03}));

// A touchpad sends a notch in fractions: four quarters scroll exactly as one notch.
TEST(Mouse, QuarterNotchesAddUpToOneNotch) {
    auto whole = ShownWearChart();
    auto quarters = ShownWearChart();
    Wheel(*whole, -120);
    const double minimum = quarters->LeftAxis().Minimum();
    for (int k = 0; k < 3; ++k)
        Wheel(*quarters, -30);
    EXPECT_EQ(quarters->LeftAxis().Minimum(), minimum);
    Wheel(*quarters, -30);
    EXPECT_EQ(quarters->LeftAxis().Minimum(), whole->LeftAxis().Minimum());
    EXPECT_EQ(quarters->LeftAxis().Maximum(), whole->LeftAxis().Maximum());
    EXPECT_NE(quarters->LeftAxis().Minimum(), minimum);
}

} // namespace
