#pragma once

#include <kvrchart/ChartNavigator.h>
#include <kvrchart/TChart.h>

#include <QImage>
#include <array>
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
WearSeries AddWearSeries(ChartModel &chart);

// The first chart of the graphs window, shown filled pale yellow, with two measured
// points and one wear line across them.
std::unique_ptr<TChart> MakeFilledGraphChart();
void FillGraph(ChartModel &chart);
// The chart's font height (of "W") and a text's width in a font, as the layout measures them.
int FontHeightOf(const TChartFont &font);
int TextWidthOf(const TChartFont &font, const QString &text);

// The bottom and left axes' ends a layout shows, before the series' margins.
inline std::array<double, 4> Ends(const ChartLayout &layout) {
    return {layout.Axis(AxisId::Bottom).minimum, layout.Axis(AxisId::Bottom).maximum,
            layout.Axis(AxisId::Left).minimum, layout.Axis(AxisId::Left).maximum};
}

// The graphs window's first chart as a model alone, laid out at its size with no widget and
// no picture.
struct GraphModel {
    std::shared_ptr<ChartModel> model;
    QSize size;

    ChartModel *operator->() const { return model.get(); }
    ChartLayout Layout() const { return LayOutChart(*model, size); }
};
GraphModel MakeGraphModel(int width = 441, int height = 377, double bottomMinimum = 0.0);

// The filled first chart as a model with its navigation and no widget: the layout is laid
// out again, as a view's, only after the model changed.
class NavigatedModel : public ChartModel {
public:
    explicit NavigatedModel(QSize size);
    const ChartLayout &Layout();
    void Invalidate() override { m_clean = false; }
    ChartNavigation navigation;

private:
    QSize m_size;
    ChartLayout m_layout;
    bool m_clean = false;
};
std::unique_ptr<NavigatedModel> MakeNavigatedModel(QSize size = {441, 377});
// A series' frame and one of its points in the chart's last picture; a series added since
// has the empty frame.
const PlotFrame &FrameOf(const TChart &chart, const TChartSeries &series);
QPoint PixelOf(const TChart &chart, const TChartSeries &series, int index);
QPoint PixelOf(const ChartLayout &layout, const TChartSeries &series, int index);
// The column halfway between two points of a series.
inline int Mid(const TChart &chart, const TChartSeries &series, int a, int b) {
    return (PixelOf(chart, series, a).x() + PixelOf(chart, series, b).x()) / 2;
}
ChartNavigator &NavigatorOf(const TChart &chart);

// The colour of one pixel as 0xRRGGBB.
unsigned PixelRgb(const QImage &image, int x, int y);
