#include "ChartCanvas.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;

int CountPixels(const QImage &image, unsigned rgb) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += PixelRgb(image, x, y) == rgb ? 1 : 0;
    return count;
}

TEST(SeriesDraw, LineBeyondTheRightEdgeStillReachesTheEdge) {
    auto chart = MakeGraphChart();
    chart->Model().BottomAxis().SetMinMax(0, 10);
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.SetSeriesColor(clRed);
    line.AddPoint(0, 0);
    line.AddPoint(20, 20);
    const QImage &image = chart->Picture();
    EXPECT_EQ(std::pair(FrameOf(*chart, line).first, FrameOf(*chart, line).last), std::pair(0, 1));
    // The clip ends at PlotRect.Right exclusive: the last column inside is drawn.
    const ChartRect plot = chart->PlotRect();
    bool reachesEdge = false;
    for (int y = plot.Top; y < plot.Bottom; ++y)
        reachesEdge = reachesEdge || PixelRgb(image, plot.Right - 1, y) == kRed;
    EXPECT_TRUE(reachesEdge);
    for (int y = 0; y < image.height(); ++y)
        EXPECT_NE(PixelRgb(image, plot.Right + 1, y), kRed) << y;
}

TEST(SeriesDraw, ShownRangeWithAStoredNaNFallsBackToAScan) {
    auto chart = MakeGraphChart();
    chart->Model().BottomAxis().SetMinMax(4.5, 40);
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("S"));
    // After the NaN, later values are appended unsorted: 5, NaN, 3, 4, 30. Scanning from
    // the front finds 5 first; halving would land on 30.
    for (double x : {5.0, std::nan(""), 3.0, 4.0, 30.0})
        points.AddPoint(x, 1);
    // Declared unsorted, a series is drawn whole, whatever the axis shows.
    auto &unsorted = chart->Model().AddSeries<TPointSeries>(QStringLiteral("U"));
    unsorted.XValues().SetOrder(TChartListOrder::loNone);
    for (double x : {30.0, 1.0})
        unsorted.AddPoint(x, 1);
    chart->Picture();
    for (auto [series, last] : {std::pair{&points, 4}, {&unsorted, 1}})
        EXPECT_EQ(std::pair(FrameOf(*chart, *series).first, FrameOf(*chart, *series).last),
                  std::pair(0, last));
}

TEST(SeriesDraw, PointsLeftOfTheAxisMinimumDrawNothing) {
    auto chart = MakeGraphChart(417, 377, 50);
    chart->Model().BottomAxis().SetMinMax(50, 200);
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("Series9"));
    points.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
    points.Pointer().Brush().SetColor(clRed);
    points.AddPoint(20, 1);
    points.AddPoint(30, 2);
    points.AddPoint(40, 3);
    const QImage &image = chart->Picture();
    EXPECT_EQ(FrameOf(*chart, points).first, -1);
    EXPECT_EQ(CountPixels(image, kRed), 0);
}

TEST(SeriesDraw, LineEntersFromTheLeftEdgeOfPlotRect) {
    auto chart = MakeGraphChart();
    chart->Model().BottomAxis().SetMinMax(10, 20);
    chart->Model().LeftAxis().SetMinMax(0, 10);
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.SetSeriesColor(clRed);
    line.AddPoint(0, 5);
    line.AddPoint(20, 5);
    const QImage &image = chart->Picture();
    EXPECT_EQ(FrameOf(*chart, line).first, 1);
    const ChartRect plot = chart->PlotRect();
    const int y = chart->DrawnLayout().Axis(AxisId::Left).mapping.ValueToPixel(5);
    EXPECT_EQ(PixelRgb(image, plot.Left + 1, y), kRed);
    EXPECT_EQ(PixelRgb(image, plot.Left + 40, y), kRed);
}

TEST(SeriesDraw, LaterMarkersPaintOverEarlierOnes) {
    auto chart = MakeGraphChart();
    chart->Model().BottomAxis().SetMinMax(0, 100);
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("S"));
    points.Pointer().SetStyle(TSeriesPointerStyle::psRectangle);
    points.AddPoint(50, 1, QString(), clRed);
    points.AddPoint(51, 1, QString(), clBlue);
    points.AddPoint(52, 1, QString(), 0x00FF00);
    const QImage &image = chart->Picture();
    // Boxes of half-size 4 about 4 pixels apart: x − 3 lies inside the previous box too.
    const int y = PixelOf(*chart, points, 1).y();
    ASSERT_LE(PixelOf(*chart, points, 1).x() - PixelOf(*chart, points, 0).x(), 6);
    EXPECT_EQ(PixelRgb(image, PixelOf(*chart, points, 1).x() - 3, y), kBlue);
    EXPECT_EQ(PixelRgb(image, PixelOf(*chart, points, 2).x() - 3, y), 0x00FF00u);
    EXPECT_EQ(PixelRgb(image, PixelOf(*chart, points, 0).x() - 3, y), kRed);
    // A listener's style for one point: the small dot leaves the red box showing.
    points.SetPointerStyleFunction([](int index, TSeriesPointerStyle &style) {
        style = index == 1 ? TSeriesPointerStyle::psSmallDot : style;
    });
    EXPECT_EQ(PixelRgb(chart->Picture(), PixelOf(*chart, points, 1).x() - 3, y), kRed);
    EXPECT_EQ(PixelRgb(chart->Picture(), PixelOf(*chart, points, 2).x() - 3, y), 0x00FF00u);
    // A series added since the last picture has no frame to place its points in yet.
    auto &later = chart->Model().AddSeries<TPointSeries>(QStringLiteral("L"));
    later.AddPoint(50, 1);
    EXPECT_EQ(PixelOf(*chart, later, 0).x(), PlotFrame{}.horizontal.ValueToPixel(50));
}

TEST(SeriesDraw, NullColourPointBreaksTheLine) {
    auto chart = MakeGraphChart();
    chart->Model().LeftAxis().SetMinMax(0, 10);
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.SetSeriesColor(clRed);
    line.AddPoint(0, 5);
    line.AddPoint(10, 5, QString(), clNone);
    line.AddPoint(20, 5);
    line.AddPoint(30, 5);
    const QImage &image = chart->Picture();
    const int y = PixelOf(*chart, line, 0).y();
    EXPECT_NE(PixelRgb(image, Mid(*chart, line, 0, 1), y), kRed);
    EXPECT_NE(PixelRgb(image, Mid(*chart, line, 1, 2), y), kRed);
    EXPECT_EQ(PixelRgb(image, Mid(*chart, line, 2, 3), y), kRed);
}

TEST(SeriesDraw, PointFarOffThePlotIsSkippedAndTheLineGoesOn) {
    auto chart = MakeGraphChart();
    chart->Model().LeftAxis().SetMinMax(0, 1);
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.SetSeriesColor(clRed);
    line.AddPoint(0, 0.5);
    line.AddPoint(1, 1e6);
    line.AddPoint(2, 0.5);
    const QImage &image = chart->Picture();
    // The middle point maps ~3e8 pixels above the plot: beyond ±32767, so not drawn.
    ASSERT_LT(PixelOf(*chart, line, 1).y(), -32767);
    const int y = PixelOf(*chart, line, 0).y();
    EXPECT_EQ(PixelRgb(image, PixelOf(*chart, line, 1).x(), y), kRed);
    EXPECT_NE(PixelRgb(image, Mid(*chart, line, 0, 1), y - 20), kRed);
}

TEST(SeriesDraw, EntryFromFarBelowIsCutToThePicture) {
    auto chart = MakeGraphChart();
    chart->Model().BottomAxis().SetMinMax(5, 10);
    chart->Model().LeftAxis().SetMinMax(0, 1);
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.SetSeriesColor(clRed);
    // At the left edge (x = 5) the line between the first two points is near y = −1e6,
    // some 3e8 pixels below the plot.
    line.AddPoint(0, -6e6);
    line.AddPoint(6, 0.5);
    line.AddPoint(7, 0.5);
    const QImage &image = chart->Picture();
    EXPECT_EQ(FrameOf(*chart, line).first, 1);
    const int x = PixelOf(*chart, line, 1).x();
    EXPECT_EQ(PixelRgb(image, x, chart->PlotRect().Bottom - 2), kRed);
    EXPECT_EQ(PixelRgb(image, Mid(*chart, line, 1, 2), PixelOf(*chart, line, 1).y()), kRed);
}

TEST(SeriesDraw, InfiniteAndUndefinedValuesAreSkipped) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto chart = MakeGraphChart();
    auto &line = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    line.SetSeriesColor(clRed);
    line.AddPoint(0, 0.5);
    line.AddPoint(1, nan);
    line.AddPoint(2, inf);
    line.AddPoint(3, -inf);
    line.AddPoint(4, 0.5);
    line.AddPoint(inf, 1);
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("P"));
    points.AddPoint(nan, nan);
    const QImage &image = chart->Picture();
    EXPECT_EQ(chart->DrawnLayout().Axis(AxisId::Bottom).maximum, 4.0);
    EXPECT_EQ(chart->DrawnLayout().Axis(AxisId::Left).maximum, 1.0);
    // The line runs on from the first point to the next finite one.
    EXPECT_EQ(PixelRgb(image, Mid(*chart, line, 0, 4), PixelOf(*chart, line, 0).y()), kRed);
    const QPoint centre = chart->DrawnLayout().PlotCenter();
    EXPECT_NE(PixelRgb(image, centre.x(), centre.y()), kRed);
}

TEST(SeriesDraw, LegendSymbolOfALineIsAStrokeOfItsPenWidth) {
    auto chart = MakeGraphChart();
    const WearSeries wear = AddWearSeries(chart->Model());
    for (int i = 0; i < 3; ++i) {
        wear.points[i]->AddPoint(1, 1);
        wear.lines[i]->AddPoint(1, 1);
    }
    const QImage &image = chart->Picture();
    const LegendLayout &legend = chart->DrawnLayout().legend;
    const ChartRect box = legend.rect;
    const int h = FontHeightOf(chart->Model().Legend().Font());
    ASSERT_EQ(box.Bottom - box.Top, legend.rowCount * h + 2);
    // Item 0: box from (text left − 4 − SymbolWidth, top + 1 + 2) to (text left − 4, …).
    const int symbolLeft = box.Left + 4;
    const int middle = (box.Top + 1 + 2 + box.Top + 1 + h - 2) / 2;
    EXPECT_EQ(PixelRgb(image, symbolLeft, middle), kRed);
    EXPECT_EQ(PixelRgb(image, symbolLeft + legend.symbolWidth - 1, middle), kRed);
    EXPECT_EQ(PixelRgb(image, symbolLeft + legend.symbolWidth, middle), 0xFFFFFFu);
    EXPECT_EQ(PixelRgb(image, symbolLeft, middle - 1), kRed);
    EXPECT_NE(PixelRgb(image, symbolLeft, middle - 2), kRed);
    EXPECT_NE(PixelRgb(image, symbolLeft, middle + 1), kRed);
}

// Renders a chart whose line series draws itself, and the same chart whose series is
// hidden with every segment drawn afterwards by a plain loop, point after point.
TEST(SeriesDraw, LineDrawingEqualsDrawingEverySegment) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> step(0.0, 0.02);
    std::uniform_real_distribution<double> value(-50.0, 50.0);
    std::vector<std::pair<double, double>> data;
    double x = 0;
    for (int i = 0; i < 20000; ++i) {
        x += i % 7 == 0 ? 0.0 : step(random);
        data.emplace_back(x, i % 11 == 0 ? data.empty() ? 0.0 : data.back().second : value(random));
    }
    for (int width : {1, 2}) {
        auto drawn = MakeGraphChart();
        auto reference = MakeGraphChart();
        TLineSeries *series[2];
        for (int k = 0; k < 2; ++k) {
            TChart &chart = k == 0 ? *drawn : *reference;
            chart.Model().Legend().SetVisible(false);
            chart.Model().BottomAxis().SetMinMax(20, 150);
            series[k] = &chart.Model().AddSeries<TLineSeries>(QStringLiteral("S"));
            series[k]->SetSeriesColor(clRed);
            series[k]->LinePen().SetWidth(width);
            for (const auto &[px, py] : data)
                series[k]->AddPoint(px, py);
        }
        series[1]->LinePen().SetVisible(false);
        const QImage actual = drawn->Picture();
        QImage expected = reference->Picture();
        {
            ChartCanvas canvas(expected, reference->palette());
            const ChartRect plot = reference->PlotRect();
            canvas.ClipRect({plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1});
            canvas.SetPen(clRed, width);
            const TLineSeries &s = *series[1];
            const int first = FrameOf(*reference, s).first;
            const double xe =
                reference->DrawnLayout().Axis(AxisId::Bottom).mapping.PixelToValue(plot.Left);
            const double x0 = s.XValues().ValueAt(first - 1), x1 = s.XValues().ValueAt(first);
            const double y0 = s.YValues().ValueAt(first - 1), y1 = s.YValues().ValueAt(first);
            const double ye = x1 == x0 ? y0 : y0 + (y1 - y0) * (xe - x0) / (x1 - x0);
            canvas.MoveTo(plot.Left,
                          reference->DrawnLayout().Axis(AxisId::Left).mapping.ValueToPixel(ye));
            for (int i = first; i <= FrameOf(*reference, s).last; ++i)
                canvas.LineTo(PixelOf(*reference, s, i).x(), PixelOf(*reference, s, i).y());
        }
        EXPECT_EQ(actual, expected) << "pen width " << width;
    }
}

} // namespace
