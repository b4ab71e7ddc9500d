#include "ChartCanvas.h"
#include "ChartTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <thread>

namespace {

struct InitialRectCase {
    int width;
    int height;
    ChartRect expected;
};

void PrintTo(const InitialRectCase &c, std::ostream *out) { *out << c.width << " x " << c.height; }

class InitialPlotRectTable : public ::testing::TestWithParam<InitialRectCase> {};

TEST_P(InitialPlotRectTable, TakesTheMarginsAsPercentOfThePanel) {
    const auto &c = GetParam();
    const ChartRect bounds{0, 0, c.width, c.height};
    EXPECT_EQ(kvr::chart::InitialPlotRect(bounds, {6, 3, 3, 7}, 0), c.expected);
}

// 441: left MulDiv(6, 441, 100) = 26 (26.46), right 441 − 13 (13.23) = 428;
// 417: left 25 (25.02), right 417 − 13 (12.51 rounds up) = 404; 377: top 11, bottom 377 − 26.
INSTANTIATE_TEST_SUITE_P(Layout, InitialPlotRectTable,
                         ::testing::Values(InitialRectCase{441, 377, {26, 11, 428, 351}},
                                           InitialRectCase{417, 377, {25, 11, 404, 351}}));

struct MulDivCase {
    int a, b, c, result;
};

void PrintTo(const MulDivCase &c, std::ostream *out) {
    *out << c.a << " * " << c.b << " / " << c.c;
}

class MulDivTable : public ::testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTable, RoundsHalvesAwayFromZero) {
    const auto &c = GetParam();
    EXPECT_EQ(kvr::chart::MulDiv(c.a, c.b, c.c), c.result);
}

INSTANTIATE_TEST_SUITE_P(Layout, MulDivTable,
                         ::testing::Values(MulDivCase{1, 5, 10, 1}, MulDivCase{-1, 5, 10, -1},
                                           MulDivCase{1, 4, 10, 0}, MulDivCase{3, 417, 100, 13},
                                           MulDivCase{1, -15, 10, -2}));

struct NormaliseCase {
    const char *name;
    ChartRect in;
    ChartRect out;
};

void PrintTo(const NormaliseCase &c, std::ostream *out) { *out << c.name; }

class NormaliseTable : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseTable, NeverLeavesAnEmptyRectangle) {
    EXPECT_EQ(kvr::chart::NormalisePlotRect(GetParam().in, {0, 0, 400, 250}, 400, 250),
              GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, NormaliseTable,
    ::testing::Values(NormaliseCase{"unchanged", {10, 10, 300, 200}, {10, 10, 300, 200}},
                      NormaliseCase{"left_of_panel", {-5, -3, 300, 200}, {0, 0, 300, 200}},
                      NormaliseCase{"right_before_left", {50, 10, 40, 200}, {50, 10, 51, 200}},
                      NormaliseCase{"zero_width", {50, 10, 50, 200}, {50, 10, 450, 200}},
                      NormaliseCase{"zero_height", {50, 10, 300, 10}, {50, 10, 300, 260}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Layout, AxesTakeTheirLabelsAndTicksOffPlotRect) {
    auto chart = MakeGraphModel(417, 377, 50);
    chart->Legend().SetVisible(false);
    auto &points = chart->AddSeries<TPointSeries>(QStringLiteral("Series7"));
    points.AddPoint(60, 100);
    points.AddPoint(180, 20);
    const TChartFont font;
    const int h = FontHeightOf(font);
    const int w = TextWidthOf(font, QStringLiteral("100")) + TextWidthOf(font, QStringLiteral(" "));
    // (25 + W + 6, 11, 404, 351 − h − 6): labels, then axis pen 2 + tick 4.
    EXPECT_EQ(chart.Layout().plotRect, (ChartRect{25 + w + 6, 11, 404, 351 - h - 6}));
    EXPECT_EQ(chart.Layout().Axis(AxisId::Bottom).mapping.start, 31 + w);
    EXPECT_EQ(chart.Layout().Axis(AxisId::Bottom).mapping.end, 404);
    EXPECT_EQ(chart.Layout().Axis(AxisId::Left).mapping.start, 11);
    EXPECT_EQ(chart.Layout().Axis(AxisId::Left).mapping.end, 345 - h);
}

// The layout step alone gives what a drawing of the same state then shows.
TEST(Layout, LayingOutWithoutDrawingGivesPlotRectAndAxisEnds) {
    auto chart = MakeGraphChart(417, 377, 50);
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("Series7"));
    points.AddPoint(60, 100);
    points.AddPoint(180, 20);
    const ChartLayout layout = chart->Layout();
    EXPECT_FALSE(chart->BufferClean());
    chart->Picture();
    EXPECT_EQ(layout.plotRect, chart->PlotRect());
    for (AxisId id : {AxisId::Bottom, AxisId::Left}) {
        EXPECT_EQ(layout.Axis(id).mapping.start, chart->DrawnLayout().Axis(id).mapping.start);
        EXPECT_EQ(layout.Axis(id).mapping.end, chart->DrawnLayout().Axis(id).mapping.end);
    }
    EXPECT_EQ(layout.Axis(AxisId::Bottom).mapping.end, layout.plotRect.Right);
    EXPECT_EQ(layout.Axis(AxisId::Left).mapping.start, layout.plotRect.Top);
}

TEST(Layout, TitleWithOneLineMovesTheTopDownByAFontHeightAndTheGap) {
    auto chart = MakeGraphModel();
    chart->Legend().SetVisible(false);
    chart->SetAxisVisible(false);
    const int topWithout = chart.Layout().plotRect.Top;
    chart->Title().SetVisible(true);
    chart->Title().SetText({QStringLiteral("TChart")});
    EXPECT_EQ(chart.Layout().plotRect.Top, topWithout + FontHeightOf(chart->Title().Font()) + 5);
}

TEST(Layout, FramedTitleTakesTheFrameOnBothSides) {
    auto chart = MakeGraphChart();
    chart->Model().SetAxisVisible(false);
    chart->Model().Legend().SetVisible(false);
    chart->Model().Title().SetVisible(true);
    chart->Model().Title().SetText({QStringLiteral("TChart")});
    chart->Model().Title().Frame().SetVisible(true);
    const QImage &image = chart->Picture();
    const int h = FontHeightOf(chart->Model().Title().Font());
    // Top 11, frame 1, text h, frame 1, gap 5.
    EXPECT_EQ(chart->PlotRect().Top, 11 + 1 + h + 1 + 5);
    EXPECT_EQ(PixelRgb(image, (26 + 428) / 2, 11), 0x000000u);
    EXPECT_EQ(PixelRgb(image, (26 + 428) / 2, 11 + h + 1), 0x000000u);
}

TEST(Layout, VisibleFootWithoutLinesTakesNoRoom) {
    auto chart = MakeGraphModel();
    chart->SetAxisVisible(false);
    chart->Foot().SetVisible(true);
    EXPECT_EQ(chart.Layout().plotRect.Bottom, 351);
}

TEST(Layout, BackColorFillsTheWallOnlyOutsideLoading) {
    auto chart = MakeGraphChart();
    QWidget window;
    chart->setParent(&window);
    chart->Model().BeginLoading();
    chart->Model().SetBackColor(0xC4FFFF);
    chart->Model().EndLoading();
    EXPECT_EQ(chart->Model().BackWall().Brush().Style(), TBrushStyle::bsClear);
    EXPECT_EQ(chart->Model().BackColor(), 0xC4FFFFu);
    // The same colour again at run time still switches the wall to solid.
    chart->Model().SetBackColor(0xC4FFFF);
    EXPECT_EQ(chart->Model().BackWall().Brush().Style(), TBrushStyle::bsSolid);
    chart->setParent(nullptr);
}

// Two views of one model: a change through either's model repaints both, alike.
TEST(Layout, SettersRepaintEveryViewOnlyOnARealChange) {
    auto chart = MakeGraphChart();
    TChart other(chart->SharedModel());
    other.resize(chart->size());
    ASSERT_EQ(other.Picture(), chart->Picture());
    chart->Model().SetMarginLeft(6);
    other.Model().LeftAxis().Grid().SetColor(clGray);
    chart->Model().Legend().SetColorWidth(12);
    EXPECT_TRUE(chart->BufferClean() && other.BufferClean());
    other.Model().LeftAxis().Axis().SetColor(clRed);
    EXPECT_FALSE(chart->BufferClean() || other.BufferClean());
    EXPECT_EQ(other.Picture(), chart->Picture());
}

TEST(Layout, BufferIsReusedWhileTheSizeStays) {
    auto chart = MakeGraphChart();
    chart->Model().SetAxisVisible(false);
    const uchar *first = chart->Picture().constBits();
    chart->Model().SetMarginLeft(7);
    EXPECT_EQ(chart->Picture().constBits(), first);
    chart->resize(300, 200);
    EXPECT_EQ(chart->Picture().size(), QSize(300, 200));
    // MulDiv(3, 300, 100) = 9.
    EXPECT_EQ(chart->PlotRect().Right, 300 - 9);
    // A change of one side alone lays the chart out again too, as a chart made at that size.
    chart->resize(300, 100);
    auto fresh = MakeGraphChart(300, 100);
    fresh->Model().SetAxisVisible(false);
    fresh->Model().SetMarginLeft(7);
    EXPECT_EQ(chart->Layout().plotRect, fresh->Layout().plotRect);
}

TEST(Layout, EmptyPanelDrawsNothing) {
    auto chart = MakeGraphChart(0, 0);
    EXPECT_TRUE(chart->Picture().isNull());
    QImage empty;
    chart->Draw(empty, QRect());
    EXPECT_TRUE(empty.isNull());
    EXPECT_EQ(chart->PanelBounds(), ChartRect{});
}

TEST(Layout, LocaleOrPaletteChangeRedraws) {
    auto chart = MakeGraphChart();
    chart->Picture();
    chart->setLocale(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    EXPECT_FALSE(chart->BufferClean());
    EXPECT_EQ(chart->Model().LabelLocale().decimalPoint(), QStringLiteral(","));
    chart->Picture();
    QPalette palette = chart->palette();
    palette.setColor(QPalette::Button, Qt::red);
    chart->setPalette(palette);
    EXPECT_FALSE(chart->BufferClean());
}

TEST(Layout, NotificationPointsAreCalledInDrawingOrder) {
    auto chart = MakeGraphChart();
    std::vector<DrawPoint> calls;
    chart->SetDrawListener([&calls](DrawPoint point) { calls.push_back(point); });
    chart->Picture();
    EXPECT_EQ(calls,
              (std::vector{DrawPoint::BeforeAxes, DrawPoint::BeforeSeries, DrawPoint::After}));
}

// A drawing changes nothing of the model: two threads drawing it at once, over and over, get
// the picture one thread alone gets after them.
TEST(Layout, OneModelDrawnOnTwoThreadsAtOnceGivesOnePicture) {
    GraphModel graph = MakeGraphModel();
    FillGraph(*graph.model);
    std::array<QImage, 21> drawn;
    const auto draw = [&graph, &drawn](std::size_t first, std::size_t last) {
        for (std::size_t k = first; k <= last; ++k) {
            drawn[k] = QImage(graph.size, QImage::Format_RGB32);
            QPainter painter(&drawn[k]);
            RenderChart(*graph.model, painter, graph.size);
        }
    };
    { const std::jthread one(draw, 0, 9), other(draw, 10, 19); }
    draw(20, 20);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), drawn[20]), 21);
}

} // namespace
