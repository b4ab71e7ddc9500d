#include "ZoomOutline.h"

namespace kvr::chart {

void DrawZoomOutline(ChartCanvas &canvas, const ChartRect &rect) {
    canvas.SetBrush(clWhite, TBrushStyle::bsClear);
    canvas.SetPen(clWhite);
    canvas.Rectangle(rect);
    canvas.SetPen(clBlack, 1, TPenStyle::psDot);
    canvas.Rectangle(rect);
    canvas.SetPen(clBlack);
}

} // namespace kvr::chart
