#include "ZoomOutline.h"

void DrawZoomOutline(ChartCanvas &canvas, const ChartRect &rect) {
    canvas.SetBrush(clWhite, bsClear);
    canvas.SetPen(clWhite);
    canvas.Rectangle(rect);
    canvas.SetPen(clBlack, 1, psDot);
    canvas.Rectangle(rect);
    canvas.SetPen(clBlack);
}
