#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

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
    const AxisLayout bottom = chart->Layout().Axis(AxisId::Bottom);
    const AxisLayout left = chart->Layout().Axis(AxisId::Left);
    QTest::keyClick(chart.get(), GetParam().key);
    EXPECT_NE(chart->Picture(), before);
    ExpectMove(chart->Layout().Axis(AxisId::Bottom), bottom.minimum, bottom.maximum,
               GetParam().bottom);
    ExpectMove(chart->Layout().Axis(AxisId::Left), left.minimum, left.maximum, GetParam().left);
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

// Past the labels' three decimals "+" stops; "-" and Home still work from there.
TEST(Keyboard, HoldingPlusDownKeepsTheLabelsApart) {
    auto chart = MakeFilledGraphChart();
    const QImage before = chart->Picture();
    for (int press = 0; press < 100; ++press)
        QTest::keyClick(chart.get(), Qt::Key_Plus);
    for (AxisId id : {AxisId::Bottom, AxisId::Left})
        for (std::size_t i = 1; i < chart->LayOut().Axis(id).labels.size(); ++i)
            EXPECT_NE(chart->Layout().Axis(id).labels[i - 1].text,
                      chart->Layout().Axis(id).labels[i].text);
    const double b0 = chart->LayOut().Axis(AxisId::Bottom).minimum;
    const double b1 = chart->Layout().Axis(AxisId::Bottom).maximum;
    // From 5 minutes down to a few hundredths: one "+" more would let the labels touch.
    EXPECT_NEAR(b1 - b0, 0.0297828654, 1e-9);
    EXPECT_NEAR(chart->LeftAxis().Maximum() - chart->LeftAxis().Minimum(), 0.1783153627, 1e-9);
    QTest::keyClick(chart.get(), Qt::Key_Minus);
    ExpectMove(chart->LayOut().Axis(AxisId::Bottom), b0, b1, {0, 4. / 3});
    QTest::keyClick(chart.get(), Qt::Key_Home);
    EXPECT_EQ(chart->Picture(), before);
}

TEST(Keyboard, HoldingMinusDownKeepsTheRangesFinite) {
    auto chart = MakeFilledGraphChart();
    for (int press = 0; press < 1000; ++press)
        NavigatorOf(*chart).navigate(NavigationOperation::Of(Navigation::ZoomOut));
    for (TChartAxis *axis : {&chart->BottomAxis(), &chart->LeftAxis()}) {
        EXPECT_LE(std::abs(axis->Minimum()), 1e100);
        EXPECT_LE(std::abs(axis->Maximum()), 1e100);
    }
}

} // namespace
