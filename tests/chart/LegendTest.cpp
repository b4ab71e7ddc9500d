#include "ChartCanvas.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace {

std::unique_ptr<TChart> WearChart(int colorWidth = 50, int shadow = 1) {
    auto chart = MakeGraphChart();
    const WearSeries wear = AddWearSeries(chart->Model());
    for (int i = 0; i < 3; ++i) {
        wear.points[i]->AddPoint(1 + i, 10);
        wear.lines[i]->AddPoint(1 + i, 10);
        wear.lines[i]->AddPoint(3 + i, 20);
    }
    chart->Model().Legend().SetColorWidth(colorWidth);
    chart->Model().Legend().SetShadowSize(shadow);
    return chart;
}

int WidestTitle(const TChartFont &font) {
    QImage image(10, 10, QImage::Format_RGB32);
    ChartCanvas canvas(image, QPalette());
    canvas.SetFont(font);
    int widest = 0;
    for (const char *title : {"V1", "V2", "V3"})
        widest = std::max(widest, canvas.TextWidth(QString::fromLatin1(title)));
    return widest;
}

// A whole legend as text, item indexes counted from first.
std::string Dump(const LegendLayout &l, int first = 0) {
    QString text = QString::asprintf("(%d %d %d %d) %d %dx%d %d %d:", l.rect.Left, l.rect.Top,
                                     l.rect.Right, l.rect.Bottom, l.symbolWidth, l.columnCount,
                                     l.rowCount, l.textLeft, l.columnWidth);
    for (const LegendItem &i : l.items)
        text += QString::asprintf(" %d %s %d,%d%s", i.index - first, qPrintable(i.text), i.x, i.y,
                                  i.firstRow ? " first" : "");
    return text.toStdString();
}

TEST(Legend, ListsOnlyTheSeriesShownInTheLegendInListOrder) {
    auto chart = WearChart();
    const auto &legend = chart->Model().Legend();
    EXPECT_EQ(legend.EffectiveStyle(), TLegendStyle::lsSeries);
    ASSERT_EQ(legend.ItemCount(), 3);
    EXPECT_EQ((QStringList{legend.ItemText(0), legend.ItemText(1), legend.ItemText(2)}),
              (QStringList{"V1", "V2", "V3"}));
    // Listeners rename an item, move each item by its index and lower the box.
    const LegendLayout before = chart->Layout().legend;
    chart->Model().Legend().SetAdjustments(
        {[](int index, QString &text) { text = index == 1 ? QStringLiteral("V9") : text; },
         [](int index, int &x, int &y) { x += index, y -= 2 * index; },
         [](ChartRect &rect) { rect.Top += 5; }});
    const LegendLayout after = chart->Layout().legend;
    EXPECT_EQ(after.rect.Top, before.rect.Top + 5);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(after.items[i].text, i == 1 ? QStringLiteral("V9") : before.items[i].text);
        EXPECT_EQ(after.items[i].x, before.items[i].x + i);
        EXPECT_EQ(after.items[i].y, before.items[i].y + 5 - 2 * i);
    }
}

TEST(Legend, ItemWithoutTitleTakesTheSeriesName) {
    auto chart = MakeGraphChart();
    chart->Model().AddSeries<TLineSeries>(QStringLiteral("Series8"));
    chart->Model().AddSeries<TLineSeries>(QString());
    EXPECT_EQ(chart->Model().Legend().ItemText(0), QStringLiteral("Series8"));
    EXPECT_EQ(chart->Model().Legend().ItemText(1), QStringLiteral("Series 1"));
}

struct SymbolCase {
    int colorWidth;
    double fraction;
};

void PrintTo(const SymbolCase &c, std::ostream *out) { *out << c.colorWidth; }

class SymbolWidthTable : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(SymbolWidthTable, IsAShareOfTheWidestTextPlusTen) {
    auto chart = WearChart(GetParam().colorWidth);
    chart->Picture();
    const int w = WidestTitle(chart->Model().Legend().Font());
    EXPECT_EQ(chart->DrawnLayout().legend.symbolWidth,
              int(std::nearbyint((w + 10) * GetParam().fraction)));
}

INSTANTIATE_TEST_SUITE_P(Legend, SymbolWidthTable,
                         ::testing::Values(SymbolCase{50, 0.5}, SymbolCase{12, 0.12}));

TEST(Legend, RightBoxStandsBesidePlotRectAndNarrowsIt) {
    auto chart = WearChart();
    const QImage &image = chart->Picture();
    const ChartRect box = chart->DrawnLayout().legend.rect;
    // Strokes red, blue, green (V1..V3) on the white box; its shadow black beyond the frame.
    const unsigned strokes[] = {0xFF0000, 0x0000FF, 0x00CA00};
    for (const LegendItem &item : chart->DrawnLayout().legend.items)
        EXPECT_EQ(PixelRgb(image, item.x - 4 - chart->DrawnLayout().legend.symbolWidth / 2,
                           item.y + FontHeightOf(chart->Model().Legend().Font()) / 2),
                  strokes[item.index]);
    EXPECT_EQ(PixelRgb(image, box.Right - 1, box.Top + 1), 0xFFFFFFu);
    EXPECT_EQ(PixelRgb(image, box.Right + 1, box.Top + 5), 0x000000u);
    // PlotRect before: (26, 11, 428, 351); frame width 1 + 1, shadow 1.
    EXPECT_EQ(box.Right, 428 - 2 - 1);
    // Top at TopPos 10 % of 377.
    EXPECT_EQ(box.Top, 38);
    const int h = FontHeightOf(chart->Model().Legend().Font());
    EXPECT_EQ(box.Bottom, 38 + 3 * h + 2);
    // Gap: 3 % of the former PlotWidth 402, rounded: 12.
    EXPECT_EQ(chart->PlotRect().Right, box.Left - 12);
}

TEST(Legend, InvisibleLegendOrNoActiveSeriesTakesNoRoom) {
    auto chart = WearChart();
    chart->Model().SetAxisVisible(false);
    chart->Model().Legend().SetVisible(false);
    chart->Picture();
    EXPECT_EQ(chart->PlotRect().Right, 428);
    chart->Model().Legend().SetVisible(true);
    for (int i = 0; i < chart->Model().SeriesCount(); ++i)
        chart->Model().Series(i).SetActive(false);
    chart->Picture();
    EXPECT_EQ(chart->PlotRect().Right, 428);
}

// TopPos 0 puts the box at the panel's top; at 100 no row fits, and the legend takes no room.
TEST(Legend, TopPosPlacesTheBoxOrLeavesNoRoomForOneItem) {
    for (auto [topPos, top, rows] : {std::tuple{0, 0, 3}, {100, 377, 0}}) {
        auto chart = WearChart();
        chart->Model().SetAxisVisible(false);
        chart->Model().Legend().SetTopPos(topPos);
        const LegendLayout &legend = chart->Layout().legend;
        EXPECT_EQ(std::tuple(legend.rect.Top, legend.rowCount), std::tuple(top, rows));
        EXPECT_EQ(chart->PlotRect().Right, rows ? legend.rect.Left - 12 : 428);
    }
}

TEST(Legend, SingleSeriesListsItsPoints) {
    auto chart = MakeGraphChart();
    auto &points = chart->Model().AddSeries<TPointSeries>(QStringLiteral("S"));
    points.AddPoint(1, 2);
    points.AddPoint(2, 3);
    EXPECT_EQ(chart->Model().Legend().EffectiveStyle(), TLegendStyle::lsValues);
    EXPECT_EQ(chart->Model().Legend().ItemCount(), 2);
    // More points than rows: a frame 20 pixels wider takes 40 pixels of rows away.
    for (int i = 3; i < 100; ++i)
        points.AddPoint(i, i);
    const int narrow = chart->Layout().legend.rowCount;
    chart->Model().Legend().Frame().SetWidth(chart->Model().Legend().Frame().Width() + 20);
    const LegendLayout wide = chart->Layout().legend;
    EXPECT_GE(narrow - wide.rowCount, 40 / wide.itemHeight);
    EXPECT_LE(narrow - wide.rowCount, (40 + wide.itemHeight - 1) / wide.itemHeight);
}

TEST(Legend, LeftLegendNarrowsFromTheLeft) {
    auto chart = WearChart();
    chart->Model().SetAxisVisible(false);
    chart->Model().Legend().SetAlignment(TLegendAlignment::laLeft);
    chart->Picture();
    const ChartRect box = chart->DrawnLayout().legend.rect;
    EXPECT_EQ(box.Left, 26 + 2);
    EXPECT_EQ(chart->PlotRect().Left, box.Right + 12);
}

// Items run in rows across the box centred over the plot; the plot gives up the box, its
// shadow and a gap of 4 % of its height.
TEST(Legend, HorizontalLegendsTakeTheirRoomAboveOrBelow) {
    using enum TLegendAlignment;
    // Columns that fit across the plot, MaxNumRows, the rows that show.
    for (auto [alignment, columns, maxRows, rows] : {std::tuple{laTop, 3, 10, 1},
                                                     {laBottom, 3, 10, 1},
                                                     {laTop, 2, 10, 2},
                                                     {laBottom, 2, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << columns << " x " << rows);
        const bool top = alignment == laTop;
        auto chart = WearChart();
        const TChartFont &font = chart->Model().Legend().Font();
        const int h = FontHeightOf(font), w = WidestTitle(font);
        const int symbol = int(std::nearbyint((w + 10) * 0.5)), column = symbol + 8 + w + 8;
        chart->Model().SetAxisVisible(false);
        chart->Model().SetMarginLeft(0);
        chart->Model().SetMarginRight(0);
        // The room to spare is odd for one column count and even for the other.
        chart->resize(columns * column + column / 2 + columns, 377);
        chart->Model().Legend().SetAlignment(alignment);
        chart->Model().Legend().SetMaxNumRows(maxRows);
        const ChartLayout &layout = chart->Layout();
        const int width = columns * column + 2, height = rows * h + 2;
        const int left = (chart->width() - width) / 2, boxTop = top ? 11 : 351 - height - 1;
        const ChartRect box{left, boxTop, left + width, boxTop + height};
        LegendLayout expected(true, TLegendStyle::lsSeries, box, h, symbol, rows, columns,
                              left + 4 + symbol + 4, column, std::vector<LegendItem>());
        for (int k = 0; k < std::min(3, columns * rows); ++k)
            expected.items.push_back({k, expected.textLeft + k % columns * column,
                                      expected.rect.Top + 1 + k / columns * h,
                                      QStringLiteral("V%1").arg(k + 1), k == 0});
        EXPECT_EQ(Dump(layout.legend), Dump(expected));
        EXPECT_EQ(layout.plotRect, (ChartRect{0, top ? expected.rect.Bottom + 1 + 14 : 11,
                                              chart->width(), top ? 351 : expected.rect.Top - 14}));
    }
}

// From FirstValue on, a legend is that of the chart without the items before it.
TEST(Legend, FirstValueDropsTheItemsBeforeIt) {
    for (TLegendAlignment alignment : {TLegendAlignment::laRight, TLegendAlignment::laTop})
        for (bool inverted : {false, true})
            for (TLegendStyle style : {TLegendStyle::lsSeries, TLegendStyle::lsValues}) {
                auto make = [&](bool without) {
                    auto chart = MakeGraphChart();
                    chart->Model().SetAxisVisible(false);
                    chart->Model().Legend().SetAlignment(alignment);
                    chart->Model().Legend().SetInverted(inverted);
                    chart->Model().Legend().SetLegendStyle(style);
                    chart->Model().Legend().SetFirstValue(without ? 0 : 1);
                    // The first text is the widest, so it must not widen the items after it.
                    for (const char *name : {"4444", "1", "22", "333"})
                        chart->Model().AddSeries<TLineSeries>(QString::fromLatin1(name));
                    const bool values = style == TLegendStyle::lsValues;
                    for (int i = without && values ? 1 : 0; i < 4; ++i)
                        chart->Model().Series(0).AddPoint(
                            i, chart->Model().Series(i).Name().toDouble());
                    chart->Model().Series(0).SetShowInLegend(!without || values);
                    return chart;
                };
                SCOPED_TRACE(testing::Message() << int(alignment) << inverted << int(style));
                auto chart = make(false), reference = make(true);
                EXPECT_EQ(Dump(chart->Layout().legend, 1), Dump(reference->Layout().legend));
                EXPECT_EQ(chart->PlotRect(), reference->PlotRect());
            }
}

} // namespace
