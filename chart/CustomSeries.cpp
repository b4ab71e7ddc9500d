#include "ChartCanvas.h"
#include "ColumnScan.h"
#include "PixelMapper.h"
#include <kvrchart/LineSeries.h>

#include <algorithm>
#include <cmath>

namespace kvr::chart {

TCustomSeries::TCustomSeries(const QString &name) : TChartSeries(name) {
    Own({&m_pointer, &m_linePen, &m_lineBrush, &m_areaLinesPen});
}

void TCustomSeries::HorizontalMargins(int &left, int &right) const {
    TChartSeries::HorizontalMargins(left, right);
    if (m_pointer.Visible() && m_pointer.InflateMargins()) {
        left = std::max(left, m_pointer.HorizSize() + 1);
        right = std::max(right, m_pointer.HorizSize() + 1);
    }
}

void TCustomSeries::VerticalMargins(int &top, int &bottom) const {
    TChartSeries::VerticalMargins(top, bottom);
    if (m_pointer.Visible() && m_pointer.InflateMargins()) {
        top = std::max(top, m_pointer.VertSize() + 1);
        bottom = std::max(bottom, m_pointer.VertSize() + 1);
    }
}

void TCustomSeries::DrawShownPoints(ChartCanvas &canvas, const PlotFrame &frame) const {
    if (DrawsByColumns(frame)) {
        DrawByColumns(canvas, frame);
        return;
    }
    const PixelMapper mapX(frame.horizontal);
    const PixelMapper mapY(frame.vertical);
    DrawPosition at;
    for (int i = frame.first; i <= frame.last; ++i)
        PaintPoint(canvas, frame, mapX, mapY, i, at);
    FlushStrokes(canvas, at);
}

void TCustomSeries::PaintPoint(ChartCanvas &canvas, const PlotFrame &frame, const PixelMapper &mapX,
                               const PixelMapper &mapY, int index, DrawPosition &at) const {
    const TColor c = PointColor(index);
    const int x = mapX(XValues().ValueAt(index));
    const int y = mapY(YValues().ValueAt(index));
    // Infinite and undefined values are skipped like points far off the plot.
    if (!PointIsFinite(index) || !Drawable(x, y)) {
        at.color = c;
        return;
    }
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(c);
    if (at.color == clNone) {
        at.x = x;
        at.y = y;
    }
    const bool isLast = index == frame.last;
    if (index == frame.first) {
        if (index > 0)
            EnterFromLeftEdge(canvas, frame, index, c, x, y, at);
        if (isLast && m_pointer.Visible())
            PaintMarker(canvas, x, y, c, index);
    } else {
        Connect(canvas, index, c, x, y, true, isLast, at);
    }
    at.x = x;
    at.y = y;
    at.color = c;
    at.valid = true;
}

void TCustomSeries::EnterFromLeftEdge(ChartCanvas &canvas, const PlotFrame &frame, int index,
                                      TColor c, int x, int y, DrawPosition &at) const {
    const int before = index - 1;
    if (!PointIsFinite(before))
        return;
    const AxisMapping &horiz = frame.horizontal;
    at.x = horiz.inverted ? frame.plot.Right : frame.plot.Left;
    const double x0 = XValues().ValueAt(before);
    const double x1 = XValues().ValueAt(index);
    const double y0 = YValues().ValueAt(before);
    if (x1 == x0) {
        at.y = frame.vertical.ValueToPixel(y0);
    } else {
        const double xe = horiz.PixelToValue(at.x);
        const double y1 = YValues().ValueAt(index);
        at.y = frame.vertical.ValueToPixel(y0 + (y1 - y0) * (xe - x0) / (x1 - x0));
    }
    at.valid = true;
    if (PointColor(before) != clNone)
        Connect(canvas, index, c, x, y, false, false, at);
}

void TCustomSeries::Connect(ChartCanvas &canvas, int index, TColor c, int x, int y, bool markers,
                            bool last, DrawPosition &at) const {
    // Without a point drawn earlier in this drawing there is nothing to start from.
    if (!at.valid)
        return;
    if ((x != at.x || y != at.y) && c != clNone && m_connectPoints)
        StrokeTo(canvas, c, x, y, at);
    if (!markers || !m_pointer.Visible())
        return;
    if (at.color != clNone)
        PaintMarker(canvas, at.x, at.y, at.color, index - 1);
    if (last && c != clNone)
        PaintMarker(canvas, x, y, c, index);
}

void TCustomSeries::DrawLine(ChartCanvas &canvas, TColor c, int x0, int y0, int x1, int y1) const {
    canvas.ApplyPen(m_linePen);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenColor(c);
    canvas.Line(x0, y0, x1, y1);
}

void TCustomSeries::StrokeTo(ChartCanvas &canvas, TColor c, int x, int y, DrawPosition &at) const {
    if (m_pointer.Visible()) {
        DrawLine(canvas, c, at.x, at.y, x, y);
        return;
    }
    if (c != at.strokeColor)
        FlushStrokes(canvas, at);
    at.strokeColor = c;
    at.strokes.emplace_back(at.x, at.y, x, y);
}

void TCustomSeries::FlushStrokes(ChartCanvas &canvas, DrawPosition &at) const {
    if (at.strokes.empty())
        return;
    canvas.ApplyPen(m_linePen);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenColor(at.strokeColor);
    canvas.Lines(at.strokes);
    at.strokes.clear();
}

void TCustomSeries::PaintMarker(ChartCanvas &canvas, int x, int y, TColor color, int index) const {
    m_pointer.PrepareCanvas(canvas, color);
    TSeriesPointerStyle style = m_pointer.Style();
    if (m_pointerStyle)
        m_pointerStyle(index, style);
    TSeriesPointer::DrawShape(canvas, style, x, y, m_pointer.HorizSize(), m_pointer.VertSize());
}

void TCustomSeries::PaintLegendShape(ChartCanvas &canvas, const ChartRect &rect, TColor c,
                                     TColor legendColor) const {
    const int middle = (rect.Top + rect.Bottom) / 2;
    auto drawStroke = [&] { DrawLine(canvas, c, rect.Left, middle, rect.Right, middle); };
    if (m_pointer.Visible()) {
        if (m_connectPoints)
            drawStroke();
        const bool lineShown = m_linePen.Visible();
        const int w = lineShown ? rect.Width() / 3 : rect.Width() / 2 + 1;
        const int hh = lineShown ? rect.Height() / 3 : rect.Height() / 2 + 1;
        m_pointer.PrepareCanvas(canvas, c);
        TSeriesPointer::DrawShape(canvas, m_pointer.Style(), (rect.Left + rect.Right) / 2, middle,
                                  std::min(m_pointer.HorizSize(), w),
                                  std::min(m_pointer.VertSize(), hh));
    } else if (!m_connectPoints || m_drawArea) {
        PaintLegendBox(canvas, rect, legendColor);
    } else {
        drawStroke();
    }
}

TLineSeries::TLineSeries(const QString &name) : TCustomSeries(name) {
    SetConnectPoints(true);
    Pointer().SetVisible(false);
}

void TLineSeries::PrepareLegendCanvas(ChartCanvas &canvas, TColor &,
                                      TBrushStyle &brushStyle) const {
    canvas.ApplyPen(LinePen());
    brushStyle = LineBrush().Style();
}

TPointSeries::TPointSeries(const QString &name) : TCustomSeries(name) {
    SetConnectPoints(false);
    Marks().SetArrowLength(0);
    Pointer().SetVisible(true);
}

} // namespace kvr::chart
