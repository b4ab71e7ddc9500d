#include "ChartTestSupport.h"

#include <gtest/gtest.h>

namespace {

QImage DrawAt(TChart &chart, qreal ratio) {
    QImage image((QSizeF(chart.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    chart.Draw(image, QRect(QPoint(0, 0), chart.size()));
    return image;
}

// Whether the 2 × 2 device pixels of one logical pixel differ among themselves.
bool Split(const QImage &image, int x, int y) {
    const QRgb first = image.pixel(2 * x, 2 * y);
    return image.pixel(2 * x + 1, 2 * y) != first || image.pixel(2 * x, 2 * y + 1) != first ||
           image.pixel(2 * x + 1, 2 * y + 1) != first;
}

TEST(HighDensity, ATwofoldPictureKeepsTheLogicalLayoutAtFullResolution) {
    auto chart = MakeFilledGraphChart();
    DrawAt(*chart, 1); // the label room settles after a first drawing
    const QImage single = DrawAt(*chart, 1);
    const ChartRect plot = chart->PlotRect();
    const QImage twofold = DrawAt(*chart, 2);
    EXPECT_EQ(chart->PlotRect(), plot);
    ASSERT_EQ(twofold.size(), single.size() * 2);
    // The back wall's one-pixel frame covers both device columns of its logical column.
    for (int y = plot.Top + 1; y < plot.Bottom; y += 37) {
        EXPECT_EQ(PixelRgb(single, plot.Left, y), 0x000000u) << y;
        EXPECT_EQ(PixelRgb(twofold, 2 * plot.Left, 2 * y), 0x000000u) << y;
        EXPECT_EQ(PixelRgb(twofold, 2 * plot.Left + 1, 2 * y + 1), 0x000000u) << y;
    }
    // A picture scaled up from 1× would have no logical pixel split by an edge; text,
    // markers and slanted lines drawn at full resolution split many.
    int split = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x)
            split += Split(twofold, x, y);
    EXPECT_GT(split, 500);
}

} // namespace
