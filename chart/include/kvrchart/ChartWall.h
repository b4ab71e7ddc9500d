#pragma once

#include "ChartPen.h"

namespace kvr::chart {

// Stores Size and Dark3D, which only the three-dimensional mode would draw.
class TCustomChartWall : public ChartPart {
public:
    TCustomChartWall() { Own({&m_brush, &m_pen}); }
    virtual ~TCustomChartWall() = default;

    TColor Color() const { return m_color; }
    int Size() const { return m_size; }
    bool Dark3D() const { return m_dark3D; }
    TChartBrush &Brush() { return m_brush; }
    const TChartBrush &Brush() const { return m_brush; }
    TChartPen &Pen() { return m_pen; }
    const TChartPen &Pen() const { return m_pen; }

    void SetColor(TColor value) { Store(m_color, value); }
    void SetSize(int value) { Store(m_size, value); }
    void SetDark3D(bool value) { Store(m_dark3D, value); }

private:
    TColor m_color = clDefault;
    int m_size = 0;
    bool m_dark3D = true;
    TChartBrush m_brush;
    TChartPen m_pen;
};

class TChartWall : public TCustomChartWall {};

} // namespace kvr::chart
