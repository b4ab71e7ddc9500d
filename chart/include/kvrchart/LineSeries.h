#pragma once

#include "ChartSeries.h"
#include "SeriesPointer.h"

#include <functional>
#include <vector>

namespace kvr::chart {

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
    // Called before each marker is drawn, by every drawing on its thread; style starts as
    // Pointer's Style.
    using PointerStyleFunction = std::function<void(int index, TSeriesPointerStyle &style)>;
    void SetPointerStyleFunction(PointerStyleFunction value) {
        m_pointerStyle = std::move(value);
        Changed();
    }

protected:
    void SetConnectPoints(bool value) { m_connectPoints = value; }

private:
    friend class SeriesSteps;

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
};

class TPointSeries : public TCustomSeries {
    Q_OBJECT

public:
    explicit TPointSeries(const QString &name);
};

} // namespace kvr::chart
