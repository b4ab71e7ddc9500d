#pragma once

#include "ChartAxis.h"
#include "ChartGeometry.h"
#include "ChartLegend.h"
#include "ChartSeries.h"
#include "ChartTitle.h"

#include <array>
#include <vector>

namespace kvr::chart {

// The axes that map a series' X and Y values to pixels.
AxisId HorizontalAxisOf(const TChartSeries &series);
AxisId VerticalAxisOf(const TChartSeries &series);

// Everything one picture needs to know about where things go, computed before anything is
// drawn: the drawing steps only read it, and tests read it without looking at pixels.
struct ChartLayout {
    PanelArea panel;
    TitleLayout title;
    TitleLayout foot;
    LegendLayout legend;
    std::array<AxisLayout, kAxisCount> axes;
    ChartRect plotRect;
    // One per series of the chart's list, in its order: what the series draws against.
    std::vector<PlotFrame> series;

    const AxisLayout &Axis(AxisId id) const { return axes[std::size_t(id)]; }
    AxisLayout &Axis(AxisId id) { return axes[std::size_t(id)]; }
};

} // namespace kvr::chart
