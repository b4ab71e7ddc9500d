#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

#include <ostream>

namespace {

struct OutlineCase {
    const char *name;
    Qt::MouseButton button;
    bool outlined;
    bool upLeft = false; // dragged from the lower right corner to the upper left one
};

void PrintTo(const OutlineCase &c, std::ostream *out) { *out << c.name; }

class ZoomOutlineTable : public ::testing::TestWithParam<OutlineCase> {};

// A drag of 12 pixels either way shows the outline over the same pixels, and releasing it
// zooms nothing.
TEST_P(ZoomOutlineTable, OnlyALeftDragShowsAContrastingOutline) {
    auto chart = MakeFilledGraphChart();
    const QImage before = chart->grab().toImage();
    const ChartRect plot = chart->PlotRect();
    const QPoint from(plot.Left + 40, plot.Top + 40);
    const QPoint to = from + QPoint(12, 12);
    const auto [press, release] = GetParam().upLeft ? std::pair(to, from) : std::pair(from, to);
    QTest::mousePress(chart.get(), GetParam().button, Qt::NoModifier, press);
    QTest::mouseMove(chart.get(), release);
    const QImage during = chart->grab().toImage();
    int black = 0;
    int white = 0;
    for (int x = from.x(); x < to.x(); ++x) {
        for (int y : {from.y(), to.y() - 1}) {
            black += PixelRgb(during, x, y) == 0x000000;
            white += PixelRgb(during, x, y) == 0xFFFFFF;
        }
    }
    if (GetParam().outlined) {
        EXPECT_GT(black, 0);
        EXPECT_GT(white, 0);
        EXPECT_EQ(black + white, 2 * 12); // nothing of the wall shows through the outline
    } else {
        EXPECT_LT(black + white, 2 * 12); // the pale wall shows: a pan draws no outline
    }
    QTest::mouseRelease(chart.get(), GetParam().button, Qt::NoModifier, release);
    if (GetParam().button == Qt::LeftButton) {
        EXPECT_EQ(chart->grab().toImage(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Mouse, ZoomOutlineTable,
                         ::testing::Values(OutlineCase{"left_drag", Qt::LeftButton, true},
                                           OutlineCase{"left_drag_up", Qt::LeftButton, true, true},
                                           OutlineCase{"right_drag", Qt::RightButton, false}));

} // namespace
