#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cmath>
#include <ostream>

namespace {

struct KeyCase {
    const char *name;
    Qt::Key key;
    bool movesBottom;
    bool movesLeft;
};

void PrintTo(const KeyCase &c, std::ostream *out) { *out << c.name; }

class KeyboardTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyboardTable, EveryKeyMovesItsAxesAndHomeRestoresThePicture) {
    auto chart = MakeFilledGraphChart();
    const QImage before = chart->Picture();
    const double bottomMaximum = chart->BottomAxis().Maximum();
    const double leftMaximum = chart->LeftAxis().Maximum();
    QTest::keyClick(chart.get(), GetParam().key);
    EXPECT_NE(chart->Picture(), before);
    EXPECT_EQ(chart->BottomAxis().Maximum() != bottomMaximum, GetParam().movesBottom);
    EXPECT_EQ(chart->LeftAxis().Maximum() != leftMaximum, GetParam().movesLeft);
    QTest::keyClick(chart.get(), Qt::Key_Home);
    EXPECT_EQ(chart->Picture(), before);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, KeyboardTable,
                         ::testing::Values(KeyCase{"plus", Qt::Key_Plus, true, true},
                                           KeyCase{"minus", Qt::Key_Minus, true, true},
                                           KeyCase{"left", Qt::Key_Left, true, false},
                                           KeyCase{"right", Qt::Key_Right, true, false},
                                           KeyCase{"up", Qt::Key_Up, false, true},
                                           KeyCase{"down", Qt::Key_Down, false, true}));

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
