#include "ChartTestSupport.h"

#include "ChartCanvas.h"
#include "GraphicDefinition.h"

#include <QApplication>

void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "kvr_chart_tests";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

std::unique_ptr<TChart> MakeGraphChart(int width, int height, double bottomMinimum) {
    EnsureApplication();
    auto chart = std::make_unique<TChart>();
    chart->resize(width, height);
    kvr::ApplyPanelDefinition(*chart, kvr::GraphChartDefinition(1));
    chart->BeginLoading();
    chart->BottomAxis().SetMinimum(bottomMinimum);
    chart->EndLoading();
    return chart;
}

std::unique_ptr<TChart> MakeFilledGraphChart() {
    auto chart = MakeGraphChart();
    const WearSeries wear = AddWearSeries(*chart);
    for (TChartSeries *series : {static_cast<TChartSeries *>(wear.points[0]),
                                 static_cast<TChartSeries *>(wear.lines[0])}) {
        series->AddPoint(1, 10);
        series->AddPoint(5, 30);
    }
    chart->SetBackColor(0xC4FFFF);
    return chart;
}

WearSeries AddWearSeries(TChart &chart) {
    using kvr::SeriesRole;
    WearSeries result{};
    for (int i = 0; i < 3; ++i) {
        result.lines[i] = static_cast<TLineSeries *>(
            &kvr::AddDefinedSeries(chart, kvr::GraphSeriesDefinition(SeriesRole::WearLine, i + 1)));
        result.points[i] = static_cast<TPointSeries *>(&kvr::AddDefinedSeries(
            chart, kvr::GraphSeriesDefinition(SeriesRole::MeasuredWear, i + 1)));
    }
    return result;
}

void PrintTo(const ChartRect &r, std::ostream *out) {
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
