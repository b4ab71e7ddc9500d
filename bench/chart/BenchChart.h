#pragma once

#include "GraphChartPanel.h"
#include <kvrchart/TChart.h>

#include <QWidget>

#include <cmath>
#include <span>

using namespace kvr::chart;

namespace kvr::bench {

// The model curve of the benchmark: tool life against cutting speed.
inline double CurveY(double x) { return 844.82 * std::pow(x, -1.00643); }

// The benchmark chart: set up as the graphs window sets up its first chart, 441 × 377,
// bevel, solid back wall, bottom and left axes with labels and grid, the legend, an empty
// 2-pixel violet line series and an empty series of violet-filled circles.
struct BenchChart {
    QWidget window;
    TChart *chart = nullptr;
    TLineSeries *line = nullptr;
    TCustomSeries *points = nullptr;

    BenchChart() {
        constexpr TColor kViolet = 0xFF0080;
        chart = new TChart(&window);
        chart->resize(441, 377);
        chart->Model().BeginLoading();
        LoadGraphPanel(chart->Model());
        chart->Model().Legend().SetColorWidth(50);
        chart->Model().Legend().SetShadowSize(1);
        chart->Model().EndLoading();
        chart->Model().SetBackColor(0xC4FFFF);
        line = &chart->Model().AddSeries<TLineSeries>(QStringLiteral("Series10"));
        line->SetSeriesColor(kViolet);
        line->SetTitle(QStringLiteral("T = C·V^z"));
        line->LinePen().SetWidth(2);
        points = &chart->Model().AddSeries<TPointSeries>(QStringLiteral("Series9"));
        points->SetSeriesColor(clRed);
        points->Pointer().SetStyle(TSeriesPointerStyle::psCircle);
        points->Pointer().Brush().SetColor(kViolet);
    }

    // The ranges the axes will take from the series, worked out now rather than at the
    // first drawing.
    double Ranges() const {
        return line->HighestX() - line->LowestX() + line->HighestY() - line->LowestY() +
               points->HighestX() + points->HighestY();
    }
};

} // namespace kvr::bench
