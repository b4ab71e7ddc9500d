#pragma once

#include "AxisScale.h"
#include "ChartGeometry.h"
#include "ChartPen.h"
#include "ChartValueList.h"

#include <functional>
#include <span>
#include <vector>

class ChartCanvas;

enum class THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum class TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

// What a series draws against: its two axes' mappings and the plotting rectangle.
struct PlotFrame {
    kvr::chart::AxisMapping horizontal;
    kvr::chart::AxisMapping vertical;
    ChartRect plot;
};

// The per-point text marks. Stored, never drawn: all of them (no chart shows marks).
class TSeriesMarks : public ChartPart {
public:
    bool Visible() const { return m_visible; }
    int ArrowLength() const { return m_arrowLength; }
    TColor BackColor() const { return m_backColor; }
    void SetVisible(bool value) { Store(m_visible, value); }
    void SetArrowLength(int value) { Store(m_arrowLength, value); }
    void SetBackColor(TColor value) { Store(m_backColor, value); }

private:
    bool m_visible = false;
    int m_arrowLength = 8;
    TColor m_backColor = 0x80FFFF;
};

// Base of every series: two value lists, a colour and a label per point, and how the
// series draws itself onto the chart and into the legend.
// Stored, never drawn: Marks, ValueFormat and PercentFormat.
class TChartSeries : public ChartPart {
public:
    explicit TChartSeries(const QString &name);
    virtual ~TChartSeries() = default;

    QString Name() const { return m_name; }
    TChartValueList &XValues() { return m_xValues; }
    TChartValueList &YValues() { return m_yValues; }
    const TChartValueList &XValues() const { return m_xValues; }
    const TChartValueList &YValues() const { return m_yValues; }
    TSeriesMarks &Marks() { return m_marks; }

    TColor SeriesColor() const { return m_seriesColor; }
    QString Title() const { return m_title; }
    bool ShowInLegend() const { return m_showInLegend; }
    bool Active() const { return m_active; }
    bool ColorEachPoint() const { return m_colorEachPoint; }
    THorizAxis HorizAxis() const { return m_horizAxis; }
    TVertAxis VertAxis() const { return m_vertAxis; }
    QString ValueFormat() const { return m_valueFormat; }
    QString PercentFormat() const { return m_percentFormat; }
    void SetSeriesColor(TColor value) { Store(m_seriesColor, value); }
    void SetTitle(const QString &value) { Store(m_title, value); }
    void SetShowInLegend(bool value) { Store(m_showInLegend, value); }
    void SetActive(bool value) { Store(m_active, value); }
    void SetColorEachPoint(bool value) { Store(m_colorEachPoint, value); }
    void SetHorizAxis(THorizAxis value) { Store(m_horizAxis, value); }
    void SetVertAxis(TVertAxis value) { Store(m_vertAxis, value); }
    void SetValueFormat(const QString &value) { Store(m_valueFormat, value); }
    void SetPercentFormat(const QString &value) { Store(m_percentFormat, value); }

    // Answering false refuses the point; AddPoint then returns -1.
    std::function<bool(TChartSeries &, double x, double y)> OnBeforeAdd;
    std::function<void(TChartSeries &, int index)> OnAfterAdd;
    std::function<void(TChartSeries &)> OnClearValues;

    int AddPoint(double x, double y, const QString &label = QString(), TColor color = clDefault);
    // The same as AddPoint for each pair in turn, with no label and clDefault; the pairs
    // that arrive in the X list's order are appended in one go.
    void AddPoints(std::span<const double> xs, std::span<const double> ys);
    void RemoveAllPoints();
    int Count() const { return m_xValues.Count(); }
    TColor PointColor(int index) const;
    QString PointLabel(int index) const;
    bool HasPointLabels() const { return !m_labels.empty(); }
    // False while every point has clDefault, the series colour.
    bool HasPointColors() const { return !m_colors.empty(); }
    // Bytes held per point list, for memory accounting.
    std::size_t CapacityBytes() const;

    double HighestX() const { return m_xValues.HighestValue(); }
    double LowestX() const { return m_xValues.LowestValue(); }
    double HighestY() const { return m_yValues.HighestValue(); }
    double LowestY() const { return m_yValues.LowestValue(); }

    // Pixels of a point in the frame of the last layout.
    int XPixel(int index) const;
    int YPixel(int index) const;

    virtual void HorizontalMargins(int &left, int &right) const;
    virtual void VerticalMargins(int &top, int &bottom) const;
    virtual bool ReachBeyondEdge() const { return false; }
    bool RangeLimited() const { return true; }

    // Layout: the range of points to draw in this frame, which the series keeps.
    void FindShownRange(const PlotFrame &frame);
    int FirstShownIndex() const { return m_firstShown; }
    int LastShownIndex() const { return m_lastShown; }
    // Draws the shown range; the chart clips to the plot around it.
    void Draw(ChartCanvas &canvas, const kvr::chart::AxisMapping &horizontal,
              const kvr::chart::AxisMapping &vertical, const ChartRect &plot);

    // Tells the series the chart is about to draw.
    virtual void BeforeDrawChart() {}
    // legendColor is the legend's background, panelColor the chart's.
    void PaintLegendSymbol(ChartCanvas &canvas, const ChartRect &rect, TColor legendColor,
                           TColor panelColor) const;
    // The nearest point within a few pixels of (x, y), or -1.
    virtual int Clicked(int x, int y) const;

protected:
    virtual void DrawShownPoints(ChartCanvas &canvas, const PlotFrame &frame);
    virtual void PaintPoint(ChartCanvas &canvas, const PlotFrame &frame, int index);
    virtual void PrepareLegendCanvas(ChartCanvas &canvas, TColor &backColor,
                                     TBrushStyle &brushStyle) const;
    virtual void PaintLegendShape(ChartCanvas &canvas, const ChartRect &rect, TColor color,
                                  TColor legendColor) const;
    void PaintLegendBox(ChartCanvas &canvas, const ChartRect &rect, TColor legendColor) const;
    bool PointIsFinite(int index) const;

private:
    int FirstIndexNotBelow(double value, int from) const;
    void InvalidateIfActive();

    QString m_name;
    TChartValueList m_xValues{QStringLiteral("X"), TChartListOrder::loAscending};
    TChartValueList m_yValues{QStringLiteral("Y"), TChartListOrder::loNone};
    // Both per-point lists stay empty while every point has clDefault and an empty
    // label, so a long series pays nothing for them.
    std::vector<TColor> m_colors;
    std::vector<QString> m_labels;
    TSeriesMarks m_marks;

    TColor m_seriesColor = clDefault;
    QString m_title;
    bool m_showInLegend = true;
    bool m_active = true;
    bool m_colorEachPoint = false;
    THorizAxis m_horizAxis = THorizAxis::aBottomAxis;
    TVertAxis m_vertAxis = TVertAxis::aLeftAxis;
    QString m_valueFormat = QStringLiteral("#,##0.###");
    QString m_percentFormat = QStringLiteral("##0.## %");

    PlotFrame m_frame;
    int m_firstShown = -1;
    int m_lastShown = -1;
};
