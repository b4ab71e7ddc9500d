#pragma once

#include "ChartLayout.h"

namespace kvr::chart {

class ChartModel;

// What lies under a pixel of a picture.
struct SeriesHit {
    const TChartSeries *series = nullptr; // none: no marker or line within reach
    int index = -1;                       // the marker's point; -1 on a line
    double x = 0.0;
    double y = 0.0;
};

// The marker or line at a pixel of a picture laid out so, and its values there, answered
// without drawing: markers before lines, later series before earlier ones.
SeriesHit SeriesAt(const ChartModel &model, const ChartLayout &layout, int x, int y);

enum class ChartPartKind { None, Series, Axis, Title, Foot, PlotArea, Legend };
// The part a press lands on: a series (any point of it, marker or not), an axis, the title,
// the foot, the plot while a series is active, the legend.
ChartPartKind PartAt(const ChartModel &model, const ChartLayout &layout, int x, int y);

} // namespace kvr::chart
