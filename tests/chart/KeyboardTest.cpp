#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <array>
#include <cmath>
#include <ostream>

namespace {

// A key moves an axis's centre by `shift` of its range and its range by `scale`.
struct Move {
    double shift, scale;
};
struct KeyCase {
    const char *name;
    Qt::Key key;
    Move bottom;
    Move left;
    Qt::Key reset = Qt::Key_Home; // Esc resets as Home does
};

void PrintTo(const KeyCase &c, std::ostream *out) { *out << c.name; }

class KeyboardTable : public ::testing::TestWithParam<KeyCase> {};

// Whole pixels of a plot some 300 high: two per cent either way.
void ExpectMove(const AxisLayout &axis, double low, double high, Move move) {
    EXPECT_NEAR((axis.minimum + axis.maximum - low - high) / 2 / (high - low), move.shift, 0.02);
    EXPECT_NEAR((axis.maximum - axis.minimum) / (high - low), move.scale, 0.02);
}

TEST_P(KeyboardTable, EveryKeyMovesItsAxesAndHomeRestoresThePicture) {
    auto chart = MakeFilledGraphChart();
    chart->resize(900, chart->height()); // a wide plot: each direction steps by its own length
    const QImage before = chart->Picture();
    const AxisLayout bottom = chart->DrawnLayout().Axis(AxisId::Bottom);
    const AxisLayout left = chart->DrawnLayout().Axis(AxisId::Left);
    // Taken, not passed on to the widgets around the chart.
    QKeyEvent press(QEvent::KeyPress, GetParam().key, Qt::NoModifier);
    QApplication::sendEvent(chart.get(), &press);
    EXPECT_TRUE(press.isAccepted());
    EXPECT_NE(chart->Picture(), before);
    ExpectMove(chart->DrawnLayout().Axis(AxisId::Bottom), bottom.minimum, bottom.maximum,
               GetParam().bottom);
    ExpectMove(chart->DrawnLayout().Axis(AxisId::Left), left.minimum, left.maximum,
               GetParam().left);
    QTest::keyClick(chart.get(), GetParam().reset);
    EXPECT_EQ(chart->Picture(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, KeyboardTable,
    ::testing::Values(KeyCase{"plus", Qt::Key_Plus, {0, 0.75}, {0, 0.75}},
                      KeyCase{"equal", Qt::Key_Equal, {0, 0.75}, {0, 0.75}},
                      KeyCase{"minus", Qt::Key_Minus, {0, 4. / 3}, {0, 4. / 3}, Qt::Key_Escape},
                      KeyCase{"left", Qt::Key_Left, {-0.1, 1}, {0, 1}},
                      KeyCase{"right", Qt::Key_Right, {0.1, 1}, {0, 1}},
                      KeyCase{"up", Qt::Key_Up, {0, 1}, {0.1, 1}, Qt::Key_Escape},
                      KeyCase{"down", Qt::Key_Down, {0, 1}, {-0.1, 1}}));

struct ZoomStop {
    const char *name;
    int bottomLabelsSize; // 0 keeps the font the window gives
    int leftLabelsSize;
    double bottomSpan;
    double leftSpan;
    int steps; // the zooms taken before the first refused
    int width = 441;
};

void PrintTo(const ZoomStop &c, std::ostream *out) { *out << c.name; }

class ZoomStopTable : public ::testing::TestWithParam<ZoomStop> {};

// Past the labels' three decimals zooming in stops, where it stops depending on each axis's
// own labels font; zooming out and the reset still work from there. A model and its layout
// alone.
TEST_P(ZoomStopTable, ZoomingInStopsOneStepBeforeTheLabelsTouch) {
    auto chart = MakeNavigatedModel({GetParam().width, 377});
    for (auto [axis, size] : {std::pair{&chart->BottomAxis(), GetParam().bottomLabelsSize},
                              std::pair{&chart->LeftAxis(), GetParam().leftLabelsSize}})
        if (size)
            axis->LabelsFont().SetSize(size);
    const std::array<double, 4> before = Ends(chart->Layout());
    int taken = 0;
    for (int press = 0; press < 100; ++press)
        taken += chart->navigation.navigate(NavigationOperation::Of(Navigation::ZoomIn));
    EXPECT_EQ(taken, GetParam().steps);
    const ChartLayout zoomed = chart->Layout();
    for (AxisId id : {AxisId::Bottom, AxisId::Left})
        for (std::size_t i = 1; i < zoomed.Axis(id).labels.size(); ++i)
            EXPECT_NE(zoomed.Axis(id).labels[i - 1].text, zoomed.Axis(id).labels[i].text);
    const std::array<double, 4> ends = Ends(zoomed);
    EXPECT_NEAR(ends[1] - ends[0], GetParam().bottomSpan, 1e-9);
    EXPECT_NEAR(ends[3] - ends[2], GetParam().leftSpan, 1e-9);
    EXPECT_TRUE(chart->navigation.navigate(NavigationOperation::Of(Navigation::ZoomOut)));
    // The left axis: every row's plot is some 300 high.
    ExpectMove(chart->Layout().Axis(AxisId::Left), ends[2], ends[3], {0, 4. / 3});
    EXPECT_TRUE(chart->navigation.navigate(NavigationOperation::Of(Navigation::Reset)));
    EXPECT_EQ(Ends(chart->Layout()), before);
    EXPECT_FALSE(chart->navigation.navigate(NavigationOperation::Of(Navigation::Reset)));
    // Holding "-" down keeps the ranges finite.
    for (int press = 0; press < 1000; ++press)
        chart->navigation.navigate(NavigationOperation::Of(Navigation::ZoomOut));
    for (double end : Ends(chart->Layout()))
        EXPECT_LE(std::abs(end), 1e100);
}

// From 5 minutes down to a few hundredths with the window's fonts; larger left labels are
// spaced wider and read apart for longer; a narrow plot stops at one bottom label, as the
// next step's first pair of labels would touch.
INSTANTIATE_TEST_SUITE_P(
    Keyboard, ZoomStopTable,
    ::testing::Values(ZoomStop{"window_fonts", 0, 0, 0.0297828654, 0.1783153627, 18},
                      ZoomStop{"large_bottom_labels", 24, 0, 0.0298448345, 0.1790776865, 18},
                      ZoomStop{"large_left_labels", 0, 24, 0.0054348545, 0.0321325896, 24},
                      ZoomStop{"narrow", 0, 0, 0.1535653613, 0.5589214592, 14, 130}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
