#pragma once

#include "ChartAxis.h"
#include "ChartGeometry.h"
#include "ChartLegend.h"
#include "ChartSeries.h"
#include "ChartTitle.h"

#include <QPoint>
#include <QSize>

#include <array>
#include <optional>
#include <vector>

namespace kvr::chart {

class ChartModel;

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
    int PlotXCenter() const { return (plotRect.Left + plotRect.Right) / 2; }
    int PlotYCenter() const { return (plotRect.Top + plotRect.Bottom) / 2; }
    QPoint PlotCenter() const { return {PlotXCenter(), PlotYCenter()}; }
};

using AxisLengths = std::array<int, kAxisCount>;
// Ranges that stand in for the axes' own, in AxisId order: a zoom being weighed.
using AxisRanges = std::array<std::optional<AxisRange>, kAxisCount>;

// The axes' lengths in a picture: the value labels of the next one are measured with them.
AxisLengths LengthsOf(const ChartLayout &layout);

// Where everything of the model goes in a panel of `size`, measured as the screen measures.
// `previous` are the axis lengths of the picture before (none before the first).
ChartLayout LayOutChart(const ChartModel &model, QSize size, const AxisLengths &previous = {},
                        const AxisRanges &ranges = {});

} // namespace kvr::chart
