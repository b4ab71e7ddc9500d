#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cmath>
#include <ostream>

namespace {

// How a key moves an axis: its centre by `shift` ranges, its range times `scale`.
struct Move {
    double shift;
    double scale;
};
constexpr Move kStays{0, 1};

struct KeyCase {
    const char *name;
    Qt::Key key;
    Move bottom;
    Move left;
};

void PrintTo(const KeyCase &c, std::ostream *out) { *out << c.name; }

class KeyboardTable : public ::testing::TestWithParam<KeyCase> {};

void ExpectMove(const TChartAxis &axis, double minimum, double maximum, Move move) {
    const double range = maximum - minimum;
    if (move.shift == 0 && move.scale == 1) {
        EXPECT_EQ(axis.Minimum(), minimum);
        EXPECT_EQ(axis.Maximum(), maximum);
        return;
    }
    // A step is whole pixels of a plot some 300 wide: two per cent either way.
    EXPECT_NEAR((axis.Minimum() + axis.Maximum() - minimum - maximum) / 2 / range, move.shift, 0.02);
    EXPECT_NEAR((axis.Maximum() - axis.Minimum()) / range, move.scale, 0.02);
}

TEST_P(KeyboardTable, EveryKeyMovesItsAxesAndHomeRestoresThePicture) {
    auto chart = MakeFilledGraphChart();
    const QImage before = chart->Picture();
    TChartAxis &bottom = chart->BottomAxis();
    TChartAxis &left = chart->LeftAxis();
    const double ends[] = {bottom.Minimum(), bottom.Maximum(), left.Minimum(), left.Maximum()};
    QTest::keyClick(chart.get(), GetParam().key);
    EXPECT_NE(chart->Picture(), before);
    ExpectMove(bottom, ends[0], ends[1], GetParam().bottom);
    ExpectMove(left, ends[2], ends[3], GetParam().left);
    QTest::keyClick(chart.get(), Qt::Key_Home);
    EXPECT_EQ(chart->Picture(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, KeyboardTable,
    ::testing::Values(KeyCase{"plus", Qt::Key_Plus, {0, 0.75}, {0, 0.75}},
                      KeyCase{"equal", Qt::Key_Equal, {0, 0.75}, {0, 0.75}},
                      KeyCase{"minus", Qt::Key_Minus, {0, 4.0 / 3}, {0, 4.0 / 3}},
                      KeyCase{"left", Qt::Key_Left, {-0.1, 1}, kStays},
                      KeyCase{"right", Qt::Key_Right, {0.1, 1}, kStays},
                      KeyCase{"up", Qt::Key_Up, kStays, {0.1, 1}},
                      KeyCase{"down", Qt::Key_Down, kStays, {-0.1, 1}}));

// Past the labels' three decimals "+" stops; "-" and Home still work from there.
TEST(Keyboard, HoldingPlusDownStopsWhileTheLabelsReadApart) {
    auto chart = MakeFilledGraphChart();
    const QImage before = chart->Picture();
    const double range = chart->BottomAxis().Maximum() - chart->BottomAxis().Minimum();
    for (int press = 0; press < 100; ++press)
        QTest::keyClick(chart.get(), Qt::Key_Plus);
    chart->Picture();
    for (AxisId id : {AxisId::Bottom, AxisId::Left}) {
        const std::vector<AxisLabel> &labels = chart->Layout().Axis(id).labels;
        ASSERT_GE(labels.size(), 2u);
        for (std::size_t i = 1; i < labels.size(); ++i)
            EXPECT_NE(labels[i - 1].text, labels[i].text) << labels[i].text.toStdString();
    }
    const double zoomed = chart->BottomAxis().Maximum() - chart->BottomAxis().Minimum();
    EXPECT_LT(zoomed, range / 100);
    QTest::keyClick(chart.get(), Qt::Key_Minus);
    EXPECT_NEAR((chart->BottomAxis().Maximum() - chart->BottomAxis().Minimum()) / zoomed, 4.0 / 3,
                0.02);
    QTest::keyClick(chart.get(), Qt::Key_Home);
    EXPECT_EQ(chart->Picture(), before);
}

TEST(Keyboard, HoldingMinusDownKeepsTheRangesFinite) {
    auto chart = MakeFilledGraphChart();
    for (int press = 0; press < 1000; ++press)
        chart->ZoomAroundCentre(false);
    for (TChartAxis *axis : {&chart->BottomAxis(), &chart->LeftAxis()}) {
        EXPECT_LE(std::abs(axis->Minimum()), 1e100);
        EXPECT_LE(std::abs(axis->Maximum()), 1e100);
    }
}

} // namespace
