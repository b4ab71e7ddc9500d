#pragma once

#include <kvrchart/SeriesPointer.h>

namespace kvr::chart {

class ChartCanvas;

// A marker's drawing on a canvas, inside the component.
class PointerSteps {
public:
    // TSeriesPointer
    // Puts the pen and brush on the canvas, point colour standing in for clDefault.
    static void PrepareCanvas(const TSeriesPointer &self, ChartCanvas &canvas, TColor color);
    // The shape centred at (x, y) with half-sizes h and v, in the canvas' pen and brush.
    static void DrawShape(ChartCanvas &canvas, TSeriesPointerStyle style, int x, int y, int h,
                          int v);
};

} // namespace kvr::chart
