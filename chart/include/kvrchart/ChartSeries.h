#pragma once

#include "AxisScale.h"
#include "ChartGeometry.h"
#include "ChartPen.h"
#include "ChartValueList.h"

#include <QObject>

#include <span>
#include <vector>

namespace kvr::chart {

enum class THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum class TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

// What a series draws against: its two axes' mappings, the plotting rectangle and the
// range of its points that show there (none while first is -1).
struct PlotFrame {
    AxisMapping horizontal;
    AxisMapping vertical;
    ChartRect plot;
    int first = -1;
    int last = -1;
};

// The per-point text marks.
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

// Base of every series: two value lists, a colour and a label per point, and where its
// points fall in a layout. The component draws it onto the chart and into the legend.
class TChartSeries : public QObject, public ChartPart {
    Q_OBJECT

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

    // Pixels of a point in a frame of a layout.
    int XPixel(const PlotFrame &frame, int index) const;
    int YPixel(const PlotFrame &frame, int index) const;

    virtual void HorizontalMargins(int &left, int &right) const;
    virtual void VerticalMargins(int &top, int &bottom) const;
    virtual bool ReachBeyondEdge() const { return false; }
    bool RangeLimited() const { return true; }

    // Layout: the frame with the range of points that show in it.
    PlotFrame FindShownRange(PlotFrame frame) const;
    // How near, in pixels, the pointer must come to a marker's centre (both ways) or to
    // the line through the points to hit them.
    static constexpr int kMarkerReach = 3;
    static constexpr int kLineReach = 4;
    // Hit-testing in a frame of a layout: the first point within kMarkerReach of (x, y),
    // or -1; whether the line through the points passes within kLineReach; the line's
    // value at x, linear between its neighbouring points.
    int PointAt(const PlotFrame &frame, int x, int y) const;
    bool NearLine(const PlotFrame &frame, int x, int y) const;
    bool LineValueAt(double x, double &y) const;
    // Whether a marker is drawn at each point, on top of any line.
    virtual bool ShowsMarkers() const { return false; }

signals:
    // A receiver refuses the point by setting *accepted to false; AddPoint then returns -1.
    void BeforeAdd(double x, double y, bool *accepted);
    void AfterAdd(int index);
    void ValuesCleared();

protected:
    void connectNotify(const QMetaMethod &signal) override;
    void disconnectNotify(const QMetaMethod &signal) override;
    bool PointIsFinite(int index) const;

private:
    friend class SeriesSteps;

    int FirstIndexNotBelow(double value, int from) const;
    void InvalidateIfActive();
    void NoteAddListeners();

    QString m_name;
    // Whether BeforeAdd or AfterAdd may have a receiver: adding a point stays cheap while
    // none has, and AddPoints may append a run of points in one go.
    bool m_addListened = false;
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
};

} // namespace kvr::chart
