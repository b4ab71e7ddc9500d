#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace {

// The first chart of the graphs window with data, drawn once so the layout is known.
std::unique_ptr<TChart> ShownWearChart() {
    auto chart = MakeGraphChart();
    const WearSeries wear = AddWearSeries(chart->Model());
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

// A zoom sets each axis to the values at the dragged pixels; any other drag keeps the ranges.
TEST_P(ZoomThresholdTable, OnlyDragsBeyondSixteenPixelsBothWaysTowardTheLowerRightZoom) {
    auto chart = ShownWearChart();
    const ChartRect plot = chart->PlotRect();
    const QPoint from(plot.Left + 100, plot.Top + 100);
    const QPoint to = from + QPoint(GetParam().dx, GetParam().dy);
    const AxisLayout bottom = chart->DrawnLayout().Axis(AxisId::Bottom);
    const AxisLayout left = chart->DrawnLayout().Axis(AxisId::Left);
    const std::array<double, 4> zoomed{
        bottom.mapping.PixelToValue(from.x()), bottom.mapping.PixelToValue(to.x()),
        left.mapping.PixelToValue(to.y()), left.mapping.PixelToValue(from.y())};
    const std::array<double, 4> before = Ends(chart->Layout());
    Drag(*chart, Qt::LeftButton, from, to);
    EXPECT_EQ(NavigatorOf(*chart).Zoomed(), GetParam().zooms);
    EXPECT_FALSE(NavigatorOf(*chart).ZoomRecord().Active);
    EXPECT_EQ(Ends(chart->Layout()), GetParam().zooms ? zoomed : before);
    EXPECT_EQ(chart->Model().BottomAxis().AutomaticMaximum(), !GetParam().zooms);
}

INSTANTIATE_TEST_SUITE_P(Mouse, ZoomThresholdTable,
                         ::testing::Values(ZoomCase{"exactly_16_both", 16, 16, false},
                                           ZoomCase{"16_across_40_down", 16, 40, false},
                                           ZoomCase{"40_across_16_down", 40, 16, false},
                                           ZoomCase{"right_and_up", 40, -40, false},
                                           ZoomCase{"left_and_down", -40, 40, false},
                                           ZoomCase{"17_both", 17, 17, true},
                                           ZoomCase{"large", 120, 90, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Mouse, DragTowardTheUpperLeftUndoesTheZoom) {
    auto chart = ShownWearChart();
    const ChartRect plot = chart->PlotRect();
    const QPoint start(plot.Left + 40, plot.Top + 40);
    Drag(*chart, Qt::LeftButton, start, start + QPoint(100, 100));
    ASSERT_TRUE(NavigatorOf(*chart).Zoomed());
    chart->Picture();
    Drag(*chart, Qt::LeftButton, start + QPoint(100, 100), start);
    EXPECT_FALSE(NavigatorOf(*chart).Zoomed());
    // The stored settings come back: minimum fixed at 0, maximum from the data.
    const auto &bottom = chart->Model().BottomAxis();
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_FALSE(bottom.AutomaticMinimum());
    EXPECT_TRUE(bottom.AutomaticMaximum());
    EXPECT_EQ(bottom.Minimum(), 0.0);
}

// A left press starts a zoom and a right one a pan on a series, the first one's marker out of
// the plot included, or in the plot while a series is active; not on the legend or outside.
// Every press is the chart's: none goes on to the window behind it.
TEST(Mouse, APressStartsADragOnlyOnASeriesOrThePlot) {
    auto chart = MakeGraphChart();
    chart->Model().SetAxisVisible(false);
    chart->Model().AddSeries<TPointSeries>(QStringLiteral("P")).AddPoint(0, 0);
    chart->Model().AddSeries<TLineSeries>(QStringLiteral("L")).AddPoint(5, 5);
    chart->Model().BottomAxis().SetMinMax(0, 10);
    chart->Model().LeftAxis().SetMinMax(0, 10);
    const ChartLayout layout = chart->Layout();
    auto starts = [&chart](Qt::MouseButton button, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, chart->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(chart.get(), &press);
        EXPECT_TRUE(press.isAccepted()) << at.x() << "," << at.y();
        const ChartNavigator &navigator = NavigatorOf(*chart);
        const bool started = button == Qt::LeftButton ? navigator.ZoomRecord().Active
                                                      : navigator.PanningRecord().Active;
        QTest::mouseRelease(chart.get(), button, Qt::NoModifier, at);
        return started;
    };
    const QPoint marker(layout.plotRect.Left - 2, layout.plotRect.Bottom + 2);
    const QPoint plot(layout.plotRect.Left + 3, layout.plotRect.Top + 3);
    const ChartRect box = layout.legend.rect;
    const QPoint legend((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        EXPECT_TRUE(starts(button, marker)) << button;
        EXPECT_TRUE(starts(button, plot)) << button;
        EXPECT_FALSE(starts(button, legend)) << button;
        EXPECT_FALSE(starts(button, QPoint(2, 2))) << button;
    }
    chart->Model().Series(0).SetActive(false);
    chart->Model().Series(1).SetActive(false);
    EXPECT_FALSE(starts(Qt::LeftButton, plot));
}

// What a press lands on comes from the model and its layout alone, each part at its pixels.
TEST(Mouse, EveryPartIsFoundAtItsPixelsWithoutAWidget) {
    auto chart = MakeGraphModel();
    chart->Title().SetVisible(true);
    chart->Title().SetText({QStringLiteral("T")});
    chart->Foot().SetVisible(true);
    chart->Foot().SetText({QStringLiteral("F")});
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("P"));
    points.AddPoint(5, 20);
    points.AddPoint(10, 40);
    const ChartLayout layout = chart.Layout();
    auto centre = [](const ChartRect &r) {
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    const ChartRect plot = layout.plotRect;
    const std::pair<QPoint, ChartPartKind> cases[] = {
        {PixelOf(layout, points, 0), ChartPartKind::Series},
        {QPoint(plot.Left + 3, plot.Top + 3), ChartPartKind::PlotArea},
        {centre(chart->BottomAxis().HitRect(layout.Axis(AxisId::Bottom))), ChartPartKind::Axis},
        {centre(chart->LeftAxis().HitRect(layout.Axis(AxisId::Left))), ChartPartKind::Axis},
        {centre(layout.title.rect), ChartPartKind::Title},
        {centre(layout.foot.rect), ChartPartKind::Foot},
        {centre(layout.legend.rect), ChartPartKind::Legend},
        {QPoint(2, 2), ChartPartKind::None}};
    for (const auto &[at, kind] : cases)
        EXPECT_EQ(PartAt(*chart.model, layout, at.x(), at.y()), kind) << at.x() << "," << at.y();
}

class PanTable : public ::testing::TestWithParam<QPoint> {};

// The values follow the pointer: a drag right or down by d pixels moves the bottom range
// down or the left range up by d pixels' worth of values.
TEST_P(PanTable, RightDragInsidePlotRectPansTheAxes) {
    auto chart = ShownWearChart();
    const ChartRect plot = chart->PlotRect();
    const QPoint from(plot.Left + 100, plot.Top + 100);
    const AxisLayout bottom = chart->DrawnLayout().Axis(AxisId::Bottom);
    const AxisLayout left = chart->DrawnLayout().Axis(AxisId::Left);
    const double perPixelX =
        bottom.mapping.PixelToValue(from.x() + 1) - bottom.mapping.PixelToValue(from.x());
    const double perPixelY =
        left.mapping.PixelToValue(from.y()) - left.mapping.PixelToValue(from.y() + 1);
    std::array<double, 4> expected = Ends(chart->Layout());
    for (int end : {0, 1})
        expected[std::size_t(end)] -= GetParam().x() * perPixelX;
    for (int end : {2, 3})
        expected[std::size_t(end)] += GetParam().y() * perPixelY;
    QTest::mousePress(chart.get(), Qt::RightButton, Qt::NoModifier, from);
    ASSERT_TRUE(NavigatorOf(*chart).PanningRecord().Active);
    QTest::mouseMove(chart.get(), from + GetParam());
    for (std::size_t end = 0; end < 4; ++end)
        EXPECT_NEAR(Ends(chart->Layout())[end], expected[end], 1e-9) << end;
    // Leaving PlotRect ends the panning.
    QTest::mouseMove(chart.get(), QPoint(plot.Left - 5, plot.Top + 100));
    EXPECT_FALSE(NavigatorOf(*chart).PanningRecord().Active);
    // So does the pointer leaving the chart.
    QTest::mousePress(chart.get(), Qt::RightButton, Qt::NoModifier, from);
    ASSERT_TRUE(NavigatorOf(*chart).PanningRecord().Active);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart.get(), &leave);
    EXPECT_FALSE(NavigatorOf(*chart).PanningRecord().Active);
}

INSTANTIATE_TEST_SUITE_P(Mouse, PanTable,
                         ::testing::Values(QPoint(30, 0), QPoint(0, 30), QPoint(-20, -25)));

// A pan moves the axes its mode allows, each only when the pointer moved along it; the
// others keep their stored settings, automatic flags included. A model and its layout alone.
TEST(Mouse, APanMovesOnlyTheAxesItsModeAllowsAlongTheMove) {
    struct Case {
        TPanningMode mode;
        QPoint by;
        bool bottom, left;
    };
    for (auto [mode, by, bottom, left] : {Case{TPanningMode::pmBoth, {30, 20}, true, true},
                                          Case{TPanningMode::pmBoth, {30, 0}, true, false},
                                          Case{TPanningMode::pmBoth, {0, 20}, false, true},
                                          Case{TPanningMode::pmHorizontal, {30, 20}, true, false},
                                          Case{TPanningMode::pmVertical, {30, 20}, false, true},
                                          Case{TPanningMode::pmNone, {30, 20}, false, false}}) {
        auto chart = MakeNavigatedModel();
        chart->SetAllowPanning(mode);
        const AxisRange bottomBefore = chart->BottomAxis().Range();
        const AxisRange leftBefore = chart->LeftAxis().Range();
        const QPoint centre = chart->Layout().PlotCenter();
        EXPECT_EQ(chart->navigation.navigate(NavigationOperation::Pan(centre, centre + by)),
                  bottom || left);
        EXPECT_EQ(chart->BottomAxis().Range() != bottomBefore, bottom) << int(mode);
        EXPECT_EQ(chart->LeftAxis().Range() != leftBefore, left) << int(mode);
    }
}

void Wheel(TChart &chart, int delta) {
    const QPointF at(100, 100);
    QWheelEvent wheel(at, chart.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
}

struct WheelCase {
    std::vector<int> deltas;
    double fraction;
};

void PrintTo(const WheelCase &c, std::ostream *out) { *out << c.deltas.size() << " notches"; }

class WheelTable : public ::testing::TestWithParam<WheelCase> {};

// Both vertical axes move by their own spans; the horizontal ones keep their stored ranges.
TEST_P(WheelTable, ScrollsTheVerticalAxesByThreePercentANotch) {
    auto chart = ShownWearChart();
    ChartModel &model = chart->Model();
    model.Series(0).SetVertAxis(TVertAxis::aBothVertAxis);
    const ChartLayout before = chart->Layout();
    const AxisRange bottom = model.BottomAxis().Range(), top = model.TopAxis().Range();
    for (int delta : GetParam().deltas)
        Wheel(*chart, delta);
    for (AxisId id : {AxisId::Left, AxisId::Right}) {
        const AxisLayout &was = before.Axis(id);
        const double d = GetParam().fraction * (was.maximum - was.minimum);
        EXPECT_DOUBLE_EQ(chart->Layout().Axis(id).minimum, was.minimum + d) << int(id);
        EXPECT_DOUBLE_EQ(chart->DrawnLayout().Axis(id).maximum, was.maximum + d) << int(id);
        EXPECT_EQ(model.Axis(id).AutomaticMaximum(), GetParam().fraction == 0) << int(id);
    }
    EXPECT_TRUE(model.BottomAxis().Range() == bottom && model.TopAxis().Range() == top);
    // Home undoes the wheel as it undoes a zoom: the automatic ends and the same picture.
    QTest::keyClick(chart.get(), Qt::Key_Home);
    EXPECT_EQ(Ends(chart->Layout()), Ends(before));
    EXPECT_TRUE(model.LeftAxis().AutomaticMaximum() && model.RightAxis().AutomaticMaximum());
}

// A notch toward the user (negative delta) scrolls by +3 %, away from the user by −3 %. A
// touchpad sends a notch in fractions: three quarters do nothing yet, the fourth scrolls.
INSTANTIATE_TEST_SUITE_P(Mouse, WheelTable,
                         ::testing::Values(WheelCase{{-120}, 0.03}, WheelCase{{120}, -0.03},
                                           WheelCase{{-240}, 0.06}, WheelCase{{-30, -30, -30}, 0},
                                           WheelCase{{-30, -30, -30, -30}, 0.03},
                                           WheelCase{{90, 30}, -0.03}));

// One value is one pixel on both axes. The first markers of the two point series lie 2 px
// apart, a marker lies on the line, and the hidden and empty series come last, where the
// search starts.
struct HitCase {
    const char *name;
    double x, y;       // the values the pointer is placed at
    int dx, dy;        // then moved by these pixels, down being +dy
    int series, index; // series 0 none, 1 points, 2 later points, 3 line
    double hitX, hitY;
};

void PrintTo(const HitCase &c, std::ostream *out) { *out << c.name; }

class HitTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTable, MarkersWithinThreePixelsBothWaysThenLinesWithinFour) {
    auto chart = MakeGraphChart();
    chart->Model().SetAxisVisible(false);
    chart->Model().Legend().SetVisible(false);
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("P"));
    auto &later = chart->Model().AddSeries<TPointSeries>(QStringLiteral("P2"));
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("L"));
    auto &hidden = chart->Model().AddSeries<TPointSeries>(QStringLiteral("H"));
    chart->Model().AddSeries<TPointSeries>(QStringLiteral("E"));
    chart->Model().AddSeries<TLineSeries>(QStringLiteral("E2"));
    for (auto [x, y] : {std::pair{50, 50}, {150, 100}, {300, 200}})
        points.AddPoint(x, y);
    later.AddPoint(52, 50);
    for (auto [x, y] : {std::pair{100, 100}, {200, 100}, {240, 140}})
        line.AddPoint(x, y);
    hidden.AddPoint(150, 100);
    hidden.SetActive(false);
    chart->Model().BottomAxis().SetMinMax(0, 402);
    chart->Model().LeftAxis().SetMinMax(0, 340);
    chart->Layout();
    ASSERT_EQ(chart->PlotRect(), (ChartRect{26, 11, 428, 351}));
    const HitCase &c = GetParam();
    const SeriesHit hit = chart->SeriesAt(26 + int(c.x) + c.dx, 351 - int(c.y) + c.dy);
    const TChartSeries *expected[] = {nullptr, &points, &later, &line};
    EXPECT_EQ(std::tuple(hit.series, hit.index, hit.x, hit.y),
              std::tuple(expected[c.series], c.index, c.hitX, c.hitY));
}

INSTANTIATE_TEST_SUITE_P(
    Mouse, HitTable,
    ::testing::Values(HitCase{"marker_right_3", 300, 200, 3, 0, 1, 2, 300, 200},
                      HitCase{"marker_right_4", 300, 200, 4, 0, 0, -1, 0, 0},
                      HitCase{"marker_left_3", 300, 200, -3, 0, 1, 2, 300, 200},
                      HitCase{"marker_left_4", 300, 200, -4, 0, 0, -1, 0, 0},
                      HitCase{"marker_above_3", 300, 200, 0, -3, 1, 2, 300, 200},
                      HitCase{"marker_above_4", 300, 200, 0, -4, 0, -1, 0, 0},
                      HitCase{"marker_below_3", 300, 200, 0, 3, 1, 2, 300, 200},
                      HitCase{"marker_below_4", 300, 200, 0, 4, 0, -1, 0, 0},
                      HitCase{"marker_corner_3_3", 300, 200, 3, 3, 1, 2, 300, 200},
                      HitCase{"later_series_first", 50, 50, 0, 0, 2, 0, 52, 50},
                      HitCase{"beyond_later_reach", 50, 50, -2, 0, 1, 0, 50, 50},
                      HitCase{"marker_on_line", 150, 100, 0, 0, 1, 1, 150, 100},
                      HitCase{"line_beside_marker", 150, 100, 4, 0, 3, -1, 154, 100},
                      HitCase{"line_above_4", 120, 100, 0, -4, 3, -1, 120, 100},
                      HitCase{"line_above_5", 120, 100, 0, -5, 0, -1, 0, 0},
                      HitCase{"line_below_4", 120, 100, 0, 4, 3, -1, 120, 100},
                      HitCase{"line_below_5", 120, 100, 0, 5, 0, -1, 0, 0},
                      // 5 px sideways of a 45° slope lie 3.5 px from it, 6 px 4.2 px.
                      HitCase{"slope_right_5", 220, 120, 5, 0, 3, -1, 225, 125},
                      HitCase{"slope_right_6", 220, 120, 6, 0, 0, -1, 0, 0},
                      HitCase{"slope_left_5", 220, 120, -5, 0, 3, -1, 215, 115},
                      HitCase{"slope_left_6", 220, 120, -6, 0, 0, -1, 0, 0},
                      HitCase{"line_first_point", 100, 100, 0, 0, 3, -1, 100, 100},
                      HitCase{"line_last_point", 240, 140, 0, 0, 3, -1, 240, 140},
                      // Outside its points' X range a line has no value to show.
                      HitCase{"before_line", 100, 100, -1, 0, 0, -1, 0, 0},
                      HitCase{"after_line", 240, 140, 1, 0, 0, -1, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
