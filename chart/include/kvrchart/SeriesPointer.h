#pragma once

#include "ChartPen.h"

namespace kvr::chart {

enum class TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot
};

// The marker drawn at a point of a line or point series.
class TSeriesPointer : public ChartPart {
public:
    TSeriesPointer() { Own({&m_pen, &m_brush}); }
    bool Visible() const { return m_visible; }
    TSeriesPointerStyle Style() const { return m_style; }
    int HorizSize() const { return m_horizSize; }
    int VertSize() const { return m_vertSize; }
    bool InflateMargins() const { return m_inflateMargins; }
    bool Draw3D() const { return m_draw3D; }
    bool Dark3D() const { return m_dark3D; }
    TChartPen &Pen() { return m_pen; }
    const TChartPen &Pen() const { return m_pen; }
    TChartBrush &Brush() { return m_brush; }
    const TChartBrush &Brush() const { return m_brush; }

    void SetVisible(bool value) { Store(m_visible, value); }
    void SetStyle(TSeriesPointerStyle value) { Store(m_style, value); }
    // Sizes below 1 are refused with a ChartException.
    void SetHorizSize(int value);
    void SetVertSize(int value);
    void SetInflateMargins(bool value) { Store(m_inflateMargins, value); }
    void SetDraw3D(bool value) { Store(m_draw3D, value); }
    void SetDark3D(bool value) { Store(m_dark3D, value); }

private:
    friend class PointerSteps;

    bool m_visible = true;
    TSeriesPointerStyle m_style = TSeriesPointerStyle::psRectangle;
    int m_horizSize = 4;
    int m_vertSize = 4;
    bool m_inflateMargins = true;
    bool m_draw3D = true;
    bool m_dark3D = true;
    TChartPen m_pen;
    TChartBrush m_brush;
};

} // namespace kvr::chart
