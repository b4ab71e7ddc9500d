#pragma once

#include "ChartSeries.h"
#include "SeriesPointer.h"

#include <QLine>

#include <functional>
#include <vector>

namespace kvr::chart {

class PixelMapper;

// Base of line and point series: a pen line between points and a marker at each.
class TCustomSeries : public TChartSeries {
    Q_OBJECT

public:
    explicit TCustomSeries(const QString &name);

    TSeriesPointer &Pointer() { return m_pointer; }
    const TSeriesPointer &Pointer() const { return m_pointer; }
    TChartPen &LinePen() { return m_linePen; }
    const TChartPen &LinePen() const { return m_linePen; }
    TChartBrush &LineBrush() { return m_lineBrush; }
    const TChartBrush &LineBrush() const { return m_lineBrush; }
    TChartPen &AreaLinesPen() { return m_areaLinesPen; }
    bool ConnectPoints() const { return m_connectPoints; }
    bool Stairs() const { return m_stairs; }
    bool InvertedStairs() const { return m_invertedStairs; }
    bool DrawArea() const { return m_drawArea; }
    TColor AreaColor() const { return m_areaColor; }
    int LineHeight() const { return m_lineHeight; }
    bool Dark3D() const { return m_dark3D; }
    void SetStairs(bool value) { Store(m_stairs, value); }
    void SetInvertedStairs(bool value) { Store(m_invertedStairs, value); }
    void SetDrawArea(bool value) { Store(m_drawArea, value); }
    void SetAreaColor(TColor value) { Store(m_areaColor, value); }
    void SetLineHeight(int value) { Store(m_lineHeight, value); }
    void SetDark3D(bool value) { Store(m_dark3D, value); }

    void HorizontalMargins(int &left, int &right) const override;
    void VerticalMargins(int &top, int &bottom) const override;
    bool ReachBeyondEdge() const override { return true; }
    bool ShowsMarkers() const override { return m_pointer.Visible(); }
    void PaintMarker(ChartCanvas &canvas, int x, int y, TColor color, int index) const;

    // Called before each marker is drawn, by every drawing on its thread; style starts as
    // Pointer's Style.
    using PointerStyleFunction = std::function<void(int index, TSeriesPointerStyle &style)>;
    void SetPointerStyleFunction(PointerStyleFunction value) {
        m_pointerStyle = std::move(value);
        Changed();
    }

protected:
    void DrawShownPoints(ChartCanvas &canvas, const PlotFrame &frame) const override;
    void SetConnectPoints(bool value) { m_connectPoints = value; }
    void PaintLegendShape(ChartCanvas &canvas, const ChartRect &rect, TColor color,
                          TColor legendColor) const override;

private:
    // Where a drawing has got to: the last point drawn and the colour of the last one
    // passed. Each drawing keeps its own, so the series stays as it was.
    struct DrawPosition {
        int x = 0;
        int y = 0;
        TColor color = 0;
        // Whether a point was drawn earlier in this drawing, so x and y are its own.
        bool valid = false;
        // Without markers nothing is drawn between two segments: those of one colour wait
        // here to be stroked together.
        std::vector<QLine> strokes;
        TColor strokeColor = clNone;
    };

    void PaintPoint(ChartCanvas &canvas, const PlotFrame &frame, const PixelMapper &mapX,
                    const PixelMapper &mapY, int index, DrawPosition &at) const;
    // A long line of one colour and a plain pen is drawn a pixel column at a time; the
    // pixels are those of drawing every segment (CustomSeriesColumns.cpp).
    bool DrawsByColumns(const PlotFrame &frame) const;
    void DrawByColumns(ChartCanvas &canvas, const PlotFrame &frame) const;
    bool EdgeEntry(const PlotFrame &frame, const PixelMapper &mapY, int &x, int &y) const;

    void EnterFromLeftEdge(ChartCanvas &canvas, const PlotFrame &frame, int index, TColor color,
                           int x, int y, DrawPosition &at) const;
    void Connect(ChartCanvas &canvas, int index, TColor color, int x, int y, bool markers,
                 bool last, DrawPosition &at) const;
    void DrawLine(ChartCanvas &canvas, TColor color, int x0, int y0, int x1, int y1) const;
    void StrokeTo(ChartCanvas &canvas, TColor color, int x, int y, DrawPosition &at) const;
    void FlushStrokes(ChartCanvas &canvas, DrawPosition &at) const;

    TSeriesPointer m_pointer;
    TChartPen m_linePen;
    TChartBrush m_lineBrush;
    TChartPen m_areaLinesPen;
    bool m_connectPoints = true;
    bool m_stairs = false;
    bool m_invertedStairs = false;
    bool m_drawArea = false;
    TColor m_areaColor = clDefault;
    int m_lineHeight = 0;
    bool m_dark3D = true;
    PointerStyleFunction m_pointerStyle;
};

class TLineSeries : public TCustomSeries {
    Q_OBJECT

public:
    explicit TLineSeries(const QString &name);

protected:
    void PrepareLegendCanvas(ChartCanvas &canvas, TColor &backColor,
                             TBrushStyle &brushStyle) const override;
};

class TPointSeries : public TCustomSeries {
    Q_OBJECT

public:
    explicit TPointSeries(const QString &name);
};

} // namespace kvr::chart
