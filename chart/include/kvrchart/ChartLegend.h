#pragma once

#include "ChartGeometry.h"
#include "ChartPen.h"

#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace kvr::chart {

class TChartSeries;

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum class TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum class TLegendTextStyle {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue
};

struct LegendItem {
    int index = 0;
    int x = 0;
    int y = 0;
    QString text;
    bool firstRow = false;
    // The series that draws the symbol; without one the box is filled with pointColor.
    const TChartSeries *series = nullptr;
    TColor pointColor = clWhite;
};

// The legend in one picture: nothing is drawn unless shown.
struct LegendLayout {
    bool shown = false;
    TLegendStyle style = TLegendStyle::lsSeries;
    ChartRect rect;
    int itemHeight = 0;
    int symbolWidth = 0;
    int rowCount = 0;
    int columnCount = 1;
    // Where the texts of the first column start, and a column's width.
    int textLeft = 0;
    int columnWidth = 0;
    std::vector<LegendItem> items;
};

// What the legend's owner changes as the legend lays out: an item's text or position, or
// the box. Plain functions of what they are given, called by every layout on its thread.
struct LegendAdjustments {
    std::function<void(int index, QString &text)> text;
    std::function<void(int index, int &x, int &y)> position;
    std::function<void(ChartRect &box)> box;
};

// The framed box beside the plot listing the series, each as a symbol and a text.
class TCustomChartLegend : public ChartPart {
public:
    TCustomChartLegend();
    virtual ~TCustomChartLegend() = default;

    bool Visible() const { return m_visible; }
    TLegendAlignment Alignment() const { return m_alignment; }
    TLegendStyle LegendStyle() const { return m_legendStyle; }
    TLegendTextStyle TextStyle() const { return m_textStyle; }
    TColor Color() const { return m_color; }
    int ColorWidth() const { return m_colorWidth; }
    int TopPos() const { return m_topPos; }
    bool ResizeChart() const { return m_resizeChart; }
    TColor ShadowColor() const { return m_shadowColor; }
    int ShadowSize() const { return m_shadowSize; }
    int HorizMargin() const { return m_horizMargin; }
    int VertMargin() const { return m_vertMargin; }
    int MaxNumRows() const { return m_maxNumRows; }
    int FirstValue() const { return m_firstValue; }
    bool Inverted() const { return m_inverted; }
    TChartBrush &Brush() { return m_brush; }
    TChartPen &Frame() { return m_frame; }
    TChartHiddenPen &DividingLines() { return m_dividingLines; }
    TChartFont &Font() { return m_font; }

    void SetVisible(bool value) { Store(m_visible, value); }
    void SetAlignment(TLegendAlignment value) { Store(m_alignment, value); }
    void SetLegendStyle(TLegendStyle value) { Store(m_legendStyle, value); }
    void SetTextStyle(TLegendTextStyle value) { Store(m_textStyle, value); }
    void SetColor(TColor value) { Store(m_color, value); }
    void SetColorWidth(int value);
    void SetTopPos(int value);
    void SetResizeChart(bool value) { Store(m_resizeChart, value); }
    void SetShadowColor(TColor value) { Store(m_shadowColor, value); }
    void SetShadowSize(int value) { Store(m_shadowSize, value); }
    void SetHorizMargin(int value) { Store(m_horizMargin, value); }
    void SetVertMargin(int value) { Store(m_vertMargin, value); }
    void SetMaxNumRows(int value) { Store(m_maxNumRows, value); }
    void SetFirstValue(int value);
    void SetInverted(bool value) { Store(m_inverted, value); }
    void SetAdjustments(LegendAdjustments value) {
        m_adjustments = std::move(value);
        Changed();
    }

    bool Vertical() const {
        return m_alignment == TLegendAlignment::laLeft || m_alignment == TLegendAlignment::laRight;
    }
    TLegendStyle EffectiveStyle() const;
    int ItemCount() const;
    QString ItemText(int index) const;

    // Whether a press lands on the legend in a picture laid out so.
    bool Contains(const LegendLayout &layout, int x, int y) const;

private:
    friend class LegendSteps;

    std::span<const TChartSeries *const> AllSeries() const;
    const TChartSeries *FirstActiveSeries() const;
    const TChartSeries *LegendSeries(int index) const;
    void LayOutItems(int itemCount, LegendLayout &layout) const;
    ChartRect PlotRectBeside(const LegendLayout &layout, const ChartRect &plot,
                             const PanelArea &panel) const;

    bool m_visible = true;
    TLegendAlignment m_alignment = TLegendAlignment::laRight;
    TLegendStyle m_legendStyle = TLegendStyle::lsAuto;
    TLegendTextStyle m_textStyle = TLegendTextStyle::ltsLeftValue;
    TColor m_color = clWhite;
    int m_colorWidth = 12;
    int m_topPos = 10;
    bool m_resizeChart = true;
    TColor m_shadowColor = clBlack;
    int m_shadowSize = 3;
    int m_horizMargin = 0;
    int m_vertMargin = 0;
    int m_maxNumRows = 10;
    int m_firstValue = 0;
    bool m_inverted = false;
    TChartBrush m_brush;
    TChartPen m_frame;
    TChartHiddenPen m_dividingLines;
    TChartFont m_font;
    LegendAdjustments m_adjustments;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};

} // namespace kvr::chart
