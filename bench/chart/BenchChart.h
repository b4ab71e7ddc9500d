#pragma once

#include "GraphicDefinition.h"
#include "TChart.h"

#include <QWidget>

#include <cmath>
#include <span>

namespace kvr::bench {

// The model curve of the benchmark: tool life against cutting speed.
inline double CurveY(double x) { return 844.82 * std::pow(x, -1.00643); }

// The benchmark chart: the first chart of the graphs window as its definition sets it up,
// 441 × 377, bevel, solid back wall, bottom and left axes with labels and grid, the
// legend, an empty 2-pixel line series and an empty series of circles.
struct BenchChart {
    QWidget window;
    TChart *chart = nullptr;
    TLineSeries *line = nullptr;
    TCustomSeries *points = nullptr;

    BenchChart() {
        using kvr::SeriesRole;
        chart = new TChart(&window);
        chart->resize(441, 377);
        kvr::ApplyChartDefinition(*chart, kvr::GraphChartDefinition(1));
        chart->SetBackColor(kvr::kGraphBackColor);
        line = static_cast<TLineSeries *>(
            &kvr::AddDefinedSeries(*chart, kvr::GraphSeriesDefinition(SeriesRole::LifeModel)));
        line->SetTitle(QStringLiteral("T = C·V^z"));
        points = &kvr::AddDefinedSeries(*chart, kvr::GraphSeriesDefinition(SeriesRole::ToolLife));
    }

    // The ranges the axes will take from the series, worked out now rather than at the
    // first drawing.
    double Ranges() const {
        return line->HighestX() - line->LowestX() + line->HighestY() - line->LowestY() +
               points->HighestX() + points->HighestY();
    }
};

} // namespace kvr::bench
