#pragma once

#include <kvrchart/ChartRenderer.h>

namespace kvr::chart {

class ChartCanvas;

// LayOutChart on a canvas of the caller's, within `panel`.
ChartLayout LayOutChart(const ChartModel &model, ChartCanvas &canvas, const PanelArea &panel,
                        const AxisLengths &previous, const AxisRanges &ranges = {});

// Draws one complete picture of the model as `layout` places it; reads the layout only.
void DrawChart(const ChartModel &model, ChartCanvas &canvas, const ChartLayout &layout,
               const DrawListener &listener = {});

} // namespace kvr::chart
