#pragma once

#include "ChartGeometry.h"
#include "ChartPen.h"

#include <QString>

class ChartCanvas;
class TChart;
class TChartSeries;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum TLegendTextStyle {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue
};

// The framed box beside the plot listing the series, each as a symbol and a text.
class TCustomChartLegend : public ChartPart {
public:
    explicit TCustomChartLegend(TChart &chart);
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

    bool Vertical() const { return m_alignment == laLeft || m_alignment == laRight; }
    TLegendStyle EffectiveStyle() const;
    int ItemCount() const;
    QString ItemText(int index) const;

    // Lays out and draws the box, then narrows the chart's PlotRect by its room.
    void DrawLegend(ChartCanvas &canvas);

    // Computed by the last drawing.
    ChartRect LegendRect() const { return m_legendRect; }
    int SymbolWidth() const { return m_symbolWidth; }
    int RowCount() const { return m_rowCount; }
    int ColumnCount() const { return m_columnCount; }
    bool Contains(int x, int y) const;

    void SetLegendSink(ChangeSink *sink);

private:
    TChartSeries *LegendSeries(int index) const;
    int WidestText(ChartCanvas &canvas, int count) const;
    bool LayOutVertical(ChartCanvas &canvas, int itemHeight);
    bool LayOutHorizontal(ChartCanvas &canvas, int itemHeight);
    void DrawBackground(ChartCanvas &canvas);
    void DrawItems(ChartCanvas &canvas, int itemHeight);
    void DrawItem(ChartCanvas &canvas, int item, int x, int y, int itemHeight, bool firstRow);
    void DrawItemSymbol(ChartCanvas &canvas, int item, const ChartRect &box);
    void ShrinkPlotRect();
    QPoint ItemPosition(int place, int itemHeight) const;

    TChart &m_chart;
    bool m_visible = true;
    TLegendAlignment m_alignment = laRight;
    TLegendStyle m_legendStyle = lsAuto;
    TLegendTextStyle m_textStyle = ltsLeftValue;
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

    TLegendStyle m_effectiveStyle = lsSeries;
    ChartRect m_legendRect;
    int m_symbolWidth = 0;
    int m_rowCount = 0;
    int m_columnCount = 1;
    int m_textLeft = 0;
    int m_columnWidth = 0;
    int m_itemCount = 0;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};
