#include "ChartTestSupport.h"

#include "ChartCanvas.h"
#include "GraphChartPanel.h"

#include <QApplication>

void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "kvr_chart_tests";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// The stored settings of the graphs window's first chart, applied as a form loads them.
std::unique_ptr<TChart> MakeGraphChart(int width, int height, double bottomMinimum) {
    auto chart = std::make_unique<TChart>(MakeGraphModel(width, height, bottomMinimum).model);
    chart->resize(width, height);
    new ChartNavigator(chart.get());
    return chart;
}

GraphModel MakeGraphModel(int width, int height, double bottomMinimum) {
    EnsureApplication();
    GraphModel graph{std::make_shared<ChartModel>(), QSize(width, height)};
    graph->BeginLoading();
    LoadGraphPanel(*graph.model);
    graph->BottomAxis().SetMinimum(bottomMinimum);
    graph->EndLoading();
    return graph;
}

const PlotFrame &FrameOf(const TChart &chart, const TChartSeries &series) {
    static const PlotFrame kNone;
    const auto &frames = chart.DrawnLayout().series;
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (&chart.Model().Series(int(i)) == &series)
            return frames[i];
    return kNone;
}

QPoint PixelOf(const ChartLayout &layout, const TChartSeries &series, int index) {
    const auto list = series.Host()->SeriesList();
    const auto at = std::size_t(std::find(list.begin(), list.end(), &series) - list.begin());
    const PlotFrame &frame = layout.series.at(at);
    return {series.XPixel(frame, index), series.YPixel(frame, index)};
}

QPoint PixelOf(const TChart &chart, const TChartSeries &series, int index) {
    const PlotFrame &frame = FrameOf(chart, series);
    return {series.XPixel(frame, index), series.YPixel(frame, index)};
}

ChartNavigator &NavigatorOf(const TChart &chart) { return *ChartNavigator::Of(chart); }

std::unique_ptr<TChart> MakeFilledGraphChart() {
    auto chart = MakeGraphChart();
    FillGraph(chart->Model());
    return chart;
}

void FillGraph(ChartModel &chart) {
    const WearSeries wear = AddWearSeries(chart);
    for (TChartSeries *series : {static_cast<TChartSeries *>(wear.points[0]),
                                 static_cast<TChartSeries *>(wear.lines[0])}) {
        series->AddPoint(1, 10);
        series->AddPoint(5, 30);
    }
    chart.SetBackColor(0xC4FFFF);
}

NavigatedModel::NavigatedModel(QSize size)
    : navigation(*this, [this]() -> const ChartLayout & { return Layout(); }), m_size(size) {}

const ChartLayout &NavigatedModel::Layout() {
    if (!m_clean)
        m_layout = LayOutChart(*this, m_size, LengthsOf(m_layout));
    m_clean = true;
    return m_layout;
}

std::unique_ptr<NavigatedModel> MakeNavigatedModel(QSize size) {
    EnsureApplication();
    auto chart = std::make_unique<NavigatedModel>(size);
    chart->BeginLoading();
    LoadGraphPanel(*chart);
    chart->EndLoading();
    FillGraph(*chart);
    return chart;
}

WearSeries AddWearSeries(ChartModel &chart) {
    // Per cutter as in the window: line colour (also the marker fill), marker outline.
    const TColor lineColors[] = {clRed, clBlue, 0x00CA00};
    const TColor pointColors[] = {clRed, clYellow, clWhite};
    WearSeries result{};
    for (int i = 0; i < 3; ++i) {
        auto &line = chart.AddSeries<TLineSeries>(QStringLiteral("Series%1").arg(2 * i + 2));
        line.SetSeriesColor(lineColors[i]);
        line.SetTitle(QStringLiteral("V%1").arg(i + 1));
        line.LinePen().SetWidth(2);
        auto &points = chart.AddSeries<TPointSeries>(QStringLiteral("Series%1").arg(2 * i + 1));
        points.SetSeriesColor(pointColors[i]);
        points.SetShowInLegend(false);
        points.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
        points.Pointer().Brush().SetColor(lineColors[i]);
        result.lines[i] = &line;
        result.points[i] = &points;
    }
    return result;
}

void kvr::chart::PrintTo(const ChartRect &r, std::ostream *out) {
    *out << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

int FontHeightOf(const TChartFont &font) {
    QImage image(10, 10, QImage::Format_RGB32);
    ChartCanvas canvas(image, QPalette());
    canvas.SetFont(font);
    return canvas.FontHeight();
}

int TextWidthOf(const TChartFont &font, const QString &text) {
    QImage image(10, 10, QImage::Format_RGB32);
    ChartCanvas canvas(image, QPalette());
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

unsigned PixelRgb(const QImage &image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

// fontconfig keeps its caches until the process ends; that is not ours to free.
extern "C" const char *__lsan_default_suppressions() { return "leak:libfontconfig\n"; }
