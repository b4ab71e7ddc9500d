#pragma once

#include "ChartCanvas.h"
#include <kvrchart/ChartGeometry.h>

namespace kvr::chart {

// The rectangle a zoom drag selects: black dots on a white line, which shows on a back
// wall of any colour (an inverted outline nearly vanishes on a pale one). Right and
// bottom edges exclusive, as every chart rectangle.
void DrawZoomOutline(ChartCanvas &canvas, const ChartRect &rect);

} // namespace kvr::chart
