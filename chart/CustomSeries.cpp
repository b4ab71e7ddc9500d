#include "ChartCanvas.h"
#include "ColumnScan.h"
#include "PixelMapper.h"
#include "PointerSteps.h"
#include "SeriesSteps.h"
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

void SeriesSteps::DrawCustomPoints(const TCustomSeries &self, ChartCanvas &canvas,
                                   const PlotFrame &frame) {
    if (DrawsByColumns(self, frame)) {
        DrawByColumns(self, canvas, frame);
        return;
    }
    const PixelMapper mapX(frame.horizontal);
    const PixelMapper mapY(frame.vertical);
    DrawPosition at;
    for (int i = frame.first; i <= frame.last; ++i)
        PaintPoint(self, canvas, frame, mapX, mapY, i, at);
    FlushStrokes(self, canvas, at);
}

void SeriesSteps::PaintPoint(const TCustomSeries &self, ChartCanvas &canvas, const PlotFrame &frame,
                             const PixelMapper &mapX, const PixelMapper &mapY, int index,
                             DrawPosition &at) {
    const TColor c = self.PointColor(index);
    const int x = mapX(self.XValues().ValueAt(index));
    const int y = mapY(self.YValues().ValueAt(index));
    // Infinite and undefined values are skipped like points far off the plot.
    if (!self.PointIsFinite(index) || !Drawable(x, y)) {
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
            EnterFromLeftEdge(self, canvas, frame, index, c, x, y, at);
        if (isLast && self.m_pointer.Visible())
            PaintMarker(self, canvas, x, y, c, index);
    } else {
        Connect(self, canvas, index, c, x, y, true, isLast, at);
    }
    at.x = x;
    at.y = y;
    at.color = c;
    at.valid = true;
}

void SeriesSteps::EnterFromLeftEdge(const TCustomSeries &self, ChartCanvas &canvas,
                                    const PlotFrame &frame, int index, TColor c, int x, int y,
                                    DrawPosition &at) {
    const int before = index - 1;
    if (!self.PointIsFinite(before))
        return;
    const AxisMapping &horiz = frame.horizontal;
    at.x = horiz.inverted ? frame.plot.Right : frame.plot.Left;
    const double x0 = self.XValues().ValueAt(before);
    const double x1 = self.XValues().ValueAt(index);
    const double y0 = self.YValues().ValueAt(before);
    if (x1 == x0) {
        at.y = frame.vertical.ValueToPixel(y0);
    } else {
        const double xe = horiz.PixelToValue(at.x);
        const double y1 = self.YValues().ValueAt(index);
        at.y = frame.vertical.ValueToPixel(y0 + (y1 - y0) * (xe - x0) / (x1 - x0));
    }
    at.valid = true;
    if (self.PointColor(before) != clNone)
        Connect(self, canvas, index, c, x, y, false, false, at);
}

void SeriesSteps::Connect(const TCustomSeries &self, ChartCanvas &canvas, int index, TColor c,
                          int x, int y, bool markers, bool last, DrawPosition &at) {
    // Without a point drawn earlier in this drawing there is nothing to start from.
    if (!at.valid)
        return;
    if ((x != at.x || y != at.y) && c != clNone && self.m_connectPoints)
        StrokeTo(self, canvas, c, x, y, at);
    if (!markers || !self.m_pointer.Visible())
        return;
    if (at.color != clNone)
        PaintMarker(self, canvas, at.x, at.y, at.color, index - 1);
    if (last && c != clNone)
        PaintMarker(self, canvas, x, y, c, index);
}

void SeriesSteps::DrawLine(const TCustomSeries &self, ChartCanvas &canvas, TColor c, int x0, int y0,
                           int x1, int y1) {
    canvas.ApplyPen(self.m_linePen);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenColor(c);
    canvas.Line(x0, y0, x1, y1);
}

void SeriesSteps::StrokeTo(const TCustomSeries &self, ChartCanvas &canvas, TColor c, int x, int y,
                           DrawPosition &at) {
    if (self.m_pointer.Visible()) {
        DrawLine(self, canvas, c, at.x, at.y, x, y);
        return;
    }
    if (c != at.strokeColor)
        FlushStrokes(self, canvas, at);
    at.strokeColor = c;
    at.strokes.emplace_back(at.x, at.y, x, y);
}

void SeriesSteps::FlushStrokes(const TCustomSeries &self, ChartCanvas &canvas, DrawPosition &at) {
    if (at.strokes.empty())
        return;
    canvas.ApplyPen(self.m_linePen);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenColor(at.strokeColor);
    canvas.Lines(at.strokes);
    at.strokes.clear();
}

void SeriesSteps::PaintMarker(const TCustomSeries &self, ChartCanvas &canvas, int x, int y,
                              TColor color, int index) {
    PointerSteps::PrepareCanvas(self.m_pointer, canvas, color);
    TSeriesPointerStyle style = self.m_pointer.Style();
    if (self.m_pointerStyle)
        self.m_pointerStyle(index, style);
    PointerSteps::DrawShape(canvas, style, x, y, self.m_pointer.HorizSize(),
                            self.m_pointer.VertSize());
}

void SeriesSteps::PaintCustomLegendShape(const TCustomSeries &self, ChartCanvas &canvas,
                                         const ChartRect &rect, TColor c, TColor legendColor) {
    const int middle = (rect.Top + rect.Bottom) / 2;
    auto drawStroke = [&] { DrawLine(self, canvas, c, rect.Left, middle, rect.Right, middle); };
    if (self.m_pointer.Visible()) {
        if (self.m_connectPoints)
            drawStroke();
        const bool lineShown = self.m_linePen.Visible();
        const int w = lineShown ? rect.Width() / 3 : rect.Width() / 2 + 1;
        const int hh = lineShown ? rect.Height() / 3 : rect.Height() / 2 + 1;
        PointerSteps::PrepareCanvas(self.m_pointer, canvas, c);
        PointerSteps::DrawShape(canvas, self.m_pointer.Style(), (rect.Left + rect.Right) / 2,
                                middle, std::min(self.m_pointer.HorizSize(), w),
                                std::min(self.m_pointer.VertSize(), hh));
    } else if (!self.m_connectPoints || self.m_drawArea) {
        PaintLegendBox(canvas, rect, legendColor);
    } else {
        drawStroke();
    }
}

TLineSeries::TLineSeries(const QString &name) : TCustomSeries(name) {
    SetConnectPoints(true);
    Pointer().SetVisible(false);
}

void SeriesSteps::PrepareLineLegendCanvas(const TLineSeries &self, ChartCanvas &canvas, TColor &,
                                          TBrushStyle &brushStyle) {
    canvas.ApplyPen(self.LinePen());
    brushStyle = self.LineBrush().Style();
}

TPointSeries::TPointSeries(const QString &name) : TCustomSeries(name) {
    SetConnectPoints(false);
    Marks().SetArrowLength(0);
    Pointer().SetVisible(true);
}

} // namespace kvr::chart
