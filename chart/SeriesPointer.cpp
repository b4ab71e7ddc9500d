#include <kvrchart/SeriesPointer.h>

#include "ChartCanvas.h"
#include "PointerSteps.h"
#include <kvrchart/ChartException.h>

#include <array>

namespace kvr::chart {

void TSeriesPointer::SetHorizSize(int value) {
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    Store(m_horizSize, value);
}

void TSeriesPointer::SetVertSize(int value) {
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    Store(m_vertSize, value);
}

void PointerSteps::PrepareCanvas(const TSeriesPointer &self, ChartCanvas &canvas, TColor color) {
    canvas.ApplyPen(self.m_pen);
    if (self.m_pen.Visible() && self.m_pen.Color() == clDefault)
        canvas.SetPenColor(color);
    canvas.SetBrush(self.m_brush.Color() == clDefault ? color : self.m_brush.Color(),
                    self.m_brush.Style());
}

void PointerSteps::DrawShape(ChartCanvas &canvas, TSeriesPointerStyle style, int x, int y, int h,
                             int v) {
    switch (style) {
    case TSeriesPointerStyle::psRectangle:
        canvas.Rectangle({x - h, y - v, x + h + 1, y + v + 1});
        break;
    case TSeriesPointerStyle::psCircle:
        canvas.Ellipse({x - h, y - v, x + h, y + v});
        break;
    case TSeriesPointerStyle::psTriangle: {
        const std::array points{QPoint(x - h, y + v), QPoint(x + h, y + v), QPoint(x, y - v)};
        canvas.Polygon(points);
        break;
    }
    case TSeriesPointerStyle::psDownTriangle: {
        const std::array points{QPoint(x - h, y - v), QPoint(x + h, y - v), QPoint(x, y + v)};
        canvas.Polygon(points);
        break;
    }
    case TSeriesPointerStyle::psDiamond: {
        const std::array points{QPoint(x - h, y), QPoint(x, y - v), QPoint(x + h, y),
                                QPoint(x, y + v)};
        canvas.Polygon(points);
        break;
    }
    case TSeriesPointerStyle::psSmallDot:
        canvas.SetPixel(x, y, canvas.BrushColor());
        break;
    case TSeriesPointerStyle::psCross:
    case TSeriesPointerStyle::psStar:
        canvas.Line(x - h, y, x + h + 1, y);
        canvas.Line(x, y - v, x, y + v + 1);
        if (style == TSeriesPointerStyle::psCross)
            break;
        [[fallthrough]];
    case TSeriesPointerStyle::psDiagCross:
        canvas.Line(x - h, y - v, x + h + 1, y + v + 1);
        canvas.Line(x - h, y + v, x + h + 1, y - v - 1);
        break;
    }
}

} // namespace kvr::chart
