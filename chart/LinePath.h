#pragma once

#include "ColumnReduction.h"

#include <span>

namespace kvr::chart {

class ChartCanvas;

// Draws a line reduced to pixel columns with the canvas' current pen: the segments from
// one column to the next, and in each column one vertical stroke over what the
// segments inside it covered. With a solid pen copying its colour, the pixels are those
// of drawing every segment.
void DrawColumnRuns(ChartCanvas &canvas, std::span<const ColumnRun> runs);

} // namespace kvr::chart
