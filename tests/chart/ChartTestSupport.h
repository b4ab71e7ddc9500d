#pragma once

#include "TChart.h"

#include <QImage>
#include <memory>
#include <ostream>

using namespace kvr::chart;

// Readable rectangles in test failures.
namespace kvr::chart {
void PrintTo(const ChartRect &rect, std::ostream *out);
}

// One application object for every test of the binary; charts are widgets.
void EnsureApplication();

// A chart with the stored panel and axes of the graphs window's first chart (its legend
// keeps the defaults, which the legend tests vary), before any point is added: margins
// 6/3/3/7, left minimum fixed at 0, bottom at bottomMinimum.
std::unique_ptr<TChart> MakeGraphChart(int width = 441, int height = 377,
                                       double bottomMinimum = 0.0);

// The six series of the first chart as the window defines them: three wear lines and
// three measured point sets.
struct WearSeries {
    TLineSeries *lines[3];
    TPointSeries *points[3];
};
WearSeries AddWearSeries(TChart &chart);

// The first chart of the graphs window, shown filled pale yellow, with two measured
// points and one wear line across them.
std::unique_ptr<TChart> MakeFilledGraphChart();
// The chart's font height (of "W") and a text's width in a font, as the layout measures them.
int FontHeightOf(const TChartFont &font);
int TextWidthOf(const TChartFont &font, const QString &text);

// The colour of one pixel as 0xRRGGBB.
unsigned PixelRgb(const QImage &image, int x, int y);
