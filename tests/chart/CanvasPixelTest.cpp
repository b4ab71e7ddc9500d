#include "ChartCanvas.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <set>

#include <ostream>

namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kRed = 0xFF0000;

QImage WhiteImage(int w = 40, int h = 40) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

struct LineCase {
    const char *name;
    int x0, y0, x1, y1;
    QPoint lastDrawn;
    QPoint endPoint;
};

void PrintTo(const LineCase &c, std::ostream *out) { *out << c.name; }

class LineEndTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEndTable, LeavesOutTheEndPoint) {
    const auto &c = GetParam();
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetPen(clBlack);
        canvas.Line(c.x0, c.y0, c.x1, c.y1);
    }
    EXPECT_EQ(PixelRgb(image, c.x0, c.y0), kBlack);
    EXPECT_EQ(PixelRgb(image, c.lastDrawn.x(), c.lastDrawn.y()), kBlack);
    EXPECT_EQ(PixelRgb(image, c.endPoint.x(), c.endPoint.y()), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Canvas, LineEndTable,
                         ::testing::Values(LineCase{"right", 2, 5, 10, 5, {9, 5}, {10, 5}},
                                           LineCase{"left", 10, 5, 2, 5, {3, 5}, {2, 5}},
                                           LineCase{"down", 5, 2, 5, 10, {5, 9}, {5, 10}},
                                           LineCase{"up", 5, 10, 5, 2, {5, 3}, {5, 2}},
                                           LineCase{"diagonal", 2, 2, 8, 8, {7, 7}, {8, 8}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Canvas, RectangleExcludesRightAndBottom) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetPen(clBlack);
        canvas.SetBrush(clRed, TBrushStyle::bsSolid);
        canvas.Rectangle({2, 2, 8, 6});
    }
    for (int y = 2; y <= 5; ++y) {
        EXPECT_EQ(PixelRgb(image, 2, y), kBlack) << y;
        EXPECT_EQ(PixelRgb(image, 7, y), kBlack) << y;
        EXPECT_EQ(PixelRgb(image, 8, y), kWhite) << y;
    }
    EXPECT_EQ(PixelRgb(image, 4, 6), kWhite);
    EXPECT_EQ(PixelRgb(image, 4, 5), kBlack);
    EXPECT_EQ(PixelRgb(image, 4, 3), kRed);
}

TEST(Canvas, FillWithoutOutlineCoversTheExclusiveBox) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetBrush(clRed, TBrushStyle::bsSolid);
        canvas.FillRect({2, 2, 8, 6});
    }
    EXPECT_EQ(PixelRgb(image, 2, 2), kRed);
    EXPECT_EQ(PixelRgb(image, 7, 5), kRed);
    EXPECT_EQ(PixelRgb(image, 8, 5), kWhite);
    EXPECT_EQ(PixelRgb(image, 7, 6), kWhite);
}

TEST(Canvas, EllipseFillsTheSameBoxAsARectangle) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetPen(clBlack);
        canvas.SetBrush(clRed, TBrushStyle::bsSolid);
        canvas.Ellipse({10, 10, 18, 18});
    }
    const std::tuple<int, int, unsigned> pixels[] = {
        {10, 14, kBlack}, {17, 14, kBlack}, {18, 14, kWhite}, {9, 14, kWhite},
        {14, 10, kBlack}, {14, 17, kBlack}, {14, 14, kRed}};
    for (auto [x, y, rgb] : pixels)
        EXPECT_EQ(PixelRgb(image, x, y), rgb) << x << ", " << y;
}

TEST(Canvas, NotXorDrawnTwiceRestoresThePicture) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetBrush(clRed, TBrushStyle::bsSolid);
        canvas.FillRect({0, 0, 20, 40});
    }
    const QImage before = image.copy();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetPen(clGray, 1, TPenStyle::psSolid, TPenMode::pmNotXor);
        canvas.SetBrush(clWhite, TBrushStyle::bsClear);
        canvas.Rectangle({5, 5, 30, 30});
        EXPECT_NE(image, before);
        canvas.Rectangle({5, 5, 30, 30});
    }
    EXPECT_EQ(image, before);
}

TEST(Canvas, SmallDotsSetEveryOtherPixel) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        TChartPen pen;
        pen.SetSmallDots(true);
        canvas.ApplyPen(pen);
        canvas.Line(0, 3, 20, 3);
    }
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(PixelRgb(image, x, 3), x % 2 == 0 ? kBlack : kWhite) << x;
}

// One-pixel lines drawn on a twofold image cover whole logical pixels, as they do at 1×.
TEST(Canvas, ThinLinesOnATwofoldImageCoverWholeLogicalPixels) {
    QImage single = WhiteImage();
    QImage twofold = WhiteImage(80, 80);
    twofold.setDevicePixelRatio(2.0);
    for (QImage *image : {&single, &twofold}) {
        ChartCanvas canvas(*image, QPalette());
        TDottedGrayPen pen;
        canvas.ApplyPen(pen);
        canvas.Line(2, 5, 30, 5);
        canvas.SetPen(clRed);
        canvas.Line(3, 9, 25, 31);
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            for (int d : {0, 1})
                ASSERT_EQ(PixelRgb(twofold, 2 * x + d, 2 * y + d), PixelRgb(single, x, y))
                    << x << ", " << y;
}

TEST(Canvas, HiddenPenDrawsNoOutline) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.ApplyPen(TChartHiddenPen());
        canvas.SetBrush(clRed, TBrushStyle::bsSolid);
        canvas.Rectangle({2, 2, 8, 6});
    }
    EXPECT_EQ(PixelRgb(image, 2, 2), kRed);
    EXPECT_EQ(PixelRgb(image, 7, 5), kRed);
}

TEST(Canvas, ClipKeepsDrawingInsideTheExclusiveBox) {
    QImage image = WhiteImage();
    {
        ChartCanvas canvas(image, QPalette());
        canvas.ClipRect({5, 2, 10, 8});
        canvas.SetPen(clBlack);
        canvas.Line(0, 3, 20, 3);
        canvas.Line(7, 0, 7, 20);
        canvas.UnClip();
        canvas.Line(0, 12, 20, 12);
    }
    // Each edge from both sides, across and down.
    const std::tuple<int, int, unsigned> pixels[] = {
        {4, 3, kWhite}, {5, 3, kBlack}, {9, 3, kBlack}, {10, 3, kWhite}, {7, 1, kWhite},
        {7, 2, kBlack}, {7, 7, kBlack}, {7, 8, kWhite}, {15, 12, kBlack}};
    for (auto [x, y, rgb] : pixels)
        EXPECT_EQ(PixelRgb(image, x, y), rgb) << x << ", " << y;
}

TEST(Canvas, BevelRingsLightTopLeftDarkBottomRight) {
    QImage image = WhiteImage();
    QPalette palette;
    palette.setColor(QPalette::Light, QColor(0x11, 0x22, 0x33));
    palette.setColor(QPalette::Dark, QColor(0x44, 0x55, 0x66));
    ChartRect inside;
    {
        ChartCanvas canvas(image, palette);
        inside = canvas.BevelRings({0, 0, 40, 40}, clBtnHighlight, clBtnShadow, 2);
    }
    EXPECT_EQ(inside, (ChartRect{2, 2, 38, 38}));
    EXPECT_EQ(PixelRgb(image, 10, 0), 0x112233u);
    EXPECT_EQ(PixelRgb(image, 1, 10), 0x112233u);
    EXPECT_EQ(PixelRgb(image, 10, 39), 0x445566u);
    EXPECT_EQ(PixelRgb(image, 38, 10), 0x445566u);
    EXPECT_EQ(PixelRgb(image, 2, 10), kWhite);
}

TEST(Canvas, SystemColoursResolveFromThePaletteWhenDrawn) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(kvr::chart::ResolveColor(clBtnFace, palette), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(kvr::chart::ResolveColor(0xC4FFFF, palette), QColor(0xFF, 0xFF, 0xC4));
    EXPECT_EQ(kvr::chart::ToRgb(clBtnFace, palette), 0x563412u);
}

struct AlignCase {
    const char *name;
    TextAlignH horizontal;
    TextAlignV vertical;
    bool inkLeftOfX;
    bool inkRightOfX;
    bool inkAboveY;
};

void PrintTo(const AlignCase &c, std::ostream *out) { *out << c.name; }

class TextAlignTable : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignTable, PlacesTheTextAroundItsReferencePoint) {
    const auto &c = GetParam();
    EnsureApplication();
    QImage image = WhiteImage(120, 60);
    {
        ChartCanvas canvas(image, QPalette());
        canvas.SetFont(TChartFont());
        canvas.SetTextAlign(c.horizontal, c.vertical);
        canvas.TextOut(60, 30, QStringLiteral("WWWW"));
    }
    bool left = false, right = false, above = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (PixelRgb(image, x, y) == kWhite)
                continue;
            left = left || x < 60;
            right = right || x > 60;
            above = above || y < 30;
        }
    }
    EXPECT_EQ(left, c.inkLeftOfX);
    EXPECT_EQ(right, c.inkRightOfX);
    EXPECT_EQ(above, c.inkAboveY);
}

INSTANTIATE_TEST_SUITE_P(Canvas, TextAlignTable,
                         ::testing::Values(AlignCase{"left_top", TextAlignH::Left, TextAlignV::Top,
                                                     false, true, false},
                                           AlignCase{"right_top", TextAlignH::Right,
                                                     TextAlignV::Top, true, false, false},
                                           AlignCase{"centre_bottom", TextAlignH::Center,
                                                     TextAlignV::Bottom, true, true, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ChartPixels, BackWallFrameLiesOnTheFourEdgesOfPlotRect) {
    auto chart = MakeGraphChart();
    QWidget window;
    chart->setParent(&window);
    chart->Model().SetBackColor(0xC4FFFF);
    chart->Model().SetAxisVisible(false);
    const QImage &image = chart->Picture();
    const ChartRect r = chart->PlotRect();
    for (int y = r.Top; y <= r.Bottom; ++y) {
        EXPECT_EQ(PixelRgb(image, r.Left, y), kBlack) << y;
        EXPECT_EQ(PixelRgb(image, r.Right, y), kBlack) << y;
    }
    for (int x = r.Left; x <= r.Right; ++x) {
        EXPECT_EQ(PixelRgb(image, x, r.Top), kBlack) << x;
        EXPECT_EQ(PixelRgb(image, x, r.Bottom), kBlack) << x;
    }
    EXPECT_EQ(PixelRgb(image, r.Left + 1, r.Top + 1), 0xFFFFC4u);
    EXPECT_EQ(PixelRgb(image, r.Right - 1, r.Bottom - 1), 0xFFFFC4u);
    EXPECT_NE(PixelRgb(image, r.Right + 1, r.Top + 5), kBlack);
    EXPECT_NE(PixelRgb(image, r.Left + 5, r.Bottom + 1), kBlack);
    // Hatched, the wall shows its brush colour between the lines, not the panel's.
    chart->Model().BackWall().Brush().SetStyle(TBrushStyle::bsHorizontal);
    const QImage &hatched = chart->Picture();
    std::set<unsigned> colours;
    for (int y = r.Top + 1; y < r.Top + 17; ++y)
        colours.insert(PixelRgb(hatched, r.Left + 5, y));
    EXPECT_EQ(colours, (std::set<unsigned>{0xFFFFC4u, kWhite}));
    // A brush of the wall's own colour would hide the lines: they turn black.
    chart->Model().BackWall().Brush().SetColor(0xC4FFFF);
    colours.clear();
    for (int y = r.Top + 1; y < r.Top + 17; ++y)
        colours.insert(PixelRgb(chart->Picture(), r.Left + 5, y));
    EXPECT_EQ(colours, (std::set<unsigned>{0xFFFFC4u, kBlack}));
    // A hatched marker drawn on it shows the wall through its gaps: the wall's opaque
    // background ends with the wall.
    chart->Model().Legend().SetVisible(false);
    auto &marker = chart->Model().AddSeries<TPointSeries>(QStringLiteral("P"));
    marker.Pointer().SetHorizSize(12);
    marker.Pointer().SetVertSize(12);
    marker.Pointer().Brush().SetColor(clRed);
    marker.Pointer().Brush().SetStyle(TBrushStyle::bsVertical);
    marker.AddPoint(1, 1);
    const QImage &crossed = chart->Picture();
    const QPoint at = PixelOf(*chart, marker, 0);
    colours.clear();
    for (int y = at.y() - 10; y < at.y() + 10; ++y)
        for (int x = at.x() - 10; x < at.x() + 10; ++x)
            colours.insert(PixelRgb(crossed, x, y));
    EXPECT_EQ(colours, (std::set<unsigned>{0xFFFFC4u, kBlack, kRed}));
    chart->setParent(nullptr);
}

TEST(ChartPixels, BackWallWithClearBrushIsNotFilled) {
    auto chart = MakeGraphChart();
    chart->Model().SetAxisVisible(false);
    const QImage &image = chart->Picture();
    const ChartRect r = chart->PlotRect();
    EXPECT_EQ(PixelRgb(image, r.Left, r.Top + 3), kBlack);
    EXPECT_EQ(image.pixel(r.Left + 5, r.Top + 5), image.pixel(r.Left - 5, r.Top + 5));
}

TEST(ChartPixels, PanelHasOneRaisedBevelRing) {
    auto chart = MakeGraphChart();
    QPalette palette = chart->palette();
    palette.setColor(QPalette::Light, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Dark, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Button, QColor(0x70, 0x80, 0x90));
    chart->setPalette(palette);
    chart->Invalidate();
    const QImage &image = chart->Picture();
    EXPECT_EQ(PixelRgb(image, 100, 0), 0x102030u);
    EXPECT_EQ(PixelRgb(image, 0, 100), 0x102030u);
    EXPECT_EQ(PixelRgb(image, 100, 376), 0x405060u);
    EXPECT_EQ(PixelRgb(image, 440, 100), 0x405060u);
    EXPECT_EQ(PixelRgb(image, 1, 1), 0x708090u);
}

TEST(ChartPixels, CircleMarkerOfHalfSizeFourHasABlackOutline) {
    auto chart = MakeGraphChart();
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("Series1"));
    points.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
    points.Pointer().Brush().SetColor(clRed);
    points.AddPoint(1, 1);
    points.AddPoint(2, 2);
    points.AddPoint(3, 3);
    const QImage &image = chart->Picture();
    const int x = PixelOf(*chart, points, 1).x();
    const int y = PixelOf(*chart, points, 1).y();
    // Box (x − 4, y − 4) to (x + 4, y + 4), right and bottom exclusive.
    EXPECT_EQ(PixelRgb(image, x - 4, y), kBlack);
    EXPECT_EQ(PixelRgb(image, x + 3, y), kBlack);
    EXPECT_EQ(PixelRgb(image, x, y - 4), kBlack);
    EXPECT_EQ(PixelRgb(image, x, y + 3), kBlack);
    EXPECT_NE(PixelRgb(image, x + 4, y), kBlack);
    EXPECT_NE(PixelRgb(image, x, y + 4), kBlack);
    EXPECT_EQ(PixelRgb(image, x, y), kRed);
}

TEST(ChartPixels, LegendShadowIsAOnePixelBand) {
    auto chart = MakeGraphChart();
    AddWearSeries(chart->Model());
    chart->Model().Legend().SetShadowSize(1);
    chart->Model().Legend().SetColorWidth(50);
    const QImage &image = chart->Picture();
    const ChartRect box = chart->DrawnLayout().legend.rect;
    const int midY = (box.Top + box.Bottom) / 2;
    const int midX = (box.Left + box.Right) / 2;
    // Frame from (left − 1, top − 1) to (right + 1, bottom + 1), exclusive: at x = right.
    EXPECT_EQ(PixelRgb(image, box.Right, midY), kBlack);
    EXPECT_EQ(PixelRgb(image, box.Right + 1, midY), kBlack);
    EXPECT_NE(PixelRgb(image, box.Right + 2, midY), kBlack);
    EXPECT_EQ(PixelRgb(image, midX, box.Bottom + 1), kBlack);
    EXPECT_NE(PixelRgb(image, midX, box.Bottom + 2), kBlack);
    // The band starts one pixel down and right of the frame's corner.
    EXPECT_NE(PixelRgb(image, box.Right + 1, box.Top - 1), kBlack);
    EXPECT_EQ(PixelRgb(image, box.Left - 1, box.Top - 1), kBlack);
    EXPECT_EQ(PixelRgb(image, box.Left + 1, box.Top + 1), kWhite);
}

} // namespace
