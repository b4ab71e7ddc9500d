#pragma once

// What a chart is, apart from any picture of it: the panel's stored properties, its walls,
// titles, legend, five axes and series. It learns nothing from a drawing: the ends an
// automatic axis takes, the pixels and the labels live in a ChartLayout (LayOutChart).

#include "ChartAxis.h"
#include "ChartException.h"
#include "ChartLegend.h"
#include "ChartSeries.h"
#include "ChartTitle.h"
#include "ChartWall.h"
#include "LineSeries.h"

#include <QFont>
#include <QRectF>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace kvr::chart {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// Text its owner lays on the chart, in the chart's pixels, over everything else; turned a
// quarter to read upward when `upward`.
struct ChartTextItem {
    QRectF rect;
    QString text;
    QFont font;
    bool upward = false;
};
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// What shows a model: told of every change the model stores, and asked where it stands and
// which locale it writes labels in. A model may have several views, or none (a page).
class ChartView {
public:
    virtual void ModelChanged() = 0;
    // Whether the view stands where it is shown (a widget, once it has a parent window).
    virtual bool Placed() const { return true; }
    // The locale this view was given for its labels, if it was given one.
    virtual std::optional<QLocale> OwnLocale() const { return std::nullopt; }

protected:
    ~ChartView() = default;
};

// Stored with their defaults and checks, never drawn: the one list of them.
// - The panel: View3D, Chart3DPercent, View3DWalls, AnimatedZoom, AnimatedZoomSteps,
//   LeftWall and BottomWall (only the flat mode is drawn, and a zoom is never animated).
// - An axis: Logarithmic and LogarithmicBase (values always map linearly), LabelsAngle (it
//   only changes how labels are measured); the depth axis as a whole.
// - A value list: Name and DateTime (no axis writes dates).
// - A series: Marks (all of them), ValueFormat and PercentFormat; a line or point series'
//   Stairs, InvertedStairs, AreaColor, AreaLinesPen, LineHeight and Dark3D; its pointer's
//   Draw3D and Dark3D.
// - The legend: TextStyle (only value items would use it).
class ChartModel : public ChartHost {
public:
    ChartModel();
    virtual ~ChartModel();
    ChartModel(const ChartModel &) = delete;
    ChartModel &operator=(const ChartModel &) = delete;

    // While loading, a window applies its stored definition: BackColor leaves the brush
    // style alone and the axes skip their checks and couplings.
    void BeginLoading() { m_loading = true; }
    void EndLoading() { m_loading = false; }
    bool IsLoading() const { return m_loading; }
    bool Loading() const override { return m_loading; }

    TColor Color() const { return m_color; }
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    TPanelBevel BevelInner() const { return m_bevelInner; }
    int BevelWidth() const { return m_bevelWidth; }
    int BorderWidth() const { return m_borderWidth; }
    const ChartMargins &Margins() const { return m_margins; }
    int MarginLeft() const { return m_margins.Left; }
    int MarginTop() const { return m_margins.Top; }
    int MarginRight() const { return m_margins.Right; }
    int MarginBottom() const { return m_margins.Bottom; }
    bool View3D() const { return m_view3D; }
    int Chart3DPercent() const { return m_chart3DPercent; }
    bool View3DWalls() const { return m_view3DWalls; }
    bool AxisVisible() const { return m_axisVisible; }
    bool ClipPoints() const { return m_clipPoints; }
    bool AllowZoom() const { return m_allowZoom; }
    TPanningMode AllowPanning() const { return m_allowPanning; }
    bool AnimatedZoom() const { return m_animatedZoom; }
    int AnimatedZoomSteps() const { return m_animatedZoomSteps; }
    TColor BackColor() const { return m_backWall.Color(); }

    void SetColor(TColor value) { StoreProperty(m_color, value); }
    void SetBevelOuter(TPanelBevel value) { StoreProperty(m_bevelOuter, value); }
    void SetBevelInner(TPanelBevel value) { StoreProperty(m_bevelInner, value); }
    void SetBevelWidth(int value) { StoreProperty(m_bevelWidth, value); }
    void SetBorderWidth(int value) { StoreProperty(m_borderWidth, value); }
    void SetMarginLeft(int value) { StoreProperty(m_margins.Left, value); }
    void SetMarginTop(int value) { StoreProperty(m_margins.Top, value); }
    void SetMarginRight(int value) { StoreProperty(m_margins.Right, value); }
    void SetMarginBottom(int value) { StoreProperty(m_margins.Bottom, value); }
    void SetView3D(bool value) { StoreProperty(m_view3D, value); }
    void SetChart3DPercent(int value);
    void SetView3DWalls(bool value) { StoreProperty(m_view3DWalls, value); }
    void SetAxisVisible(bool value) { StoreProperty(m_axisVisible, value); }
    void SetClipPoints(bool value) { StoreProperty(m_clipPoints, value); }
    void SetAllowZoom(bool value) { StoreProperty(m_allowZoom, value); }
    void SetAllowPanning(TPanningMode value) { StoreProperty(m_allowPanning, value); }
    void SetAnimatedZoom(bool value) { StoreProperty(m_animatedZoom, value); }
    void SetAnimatedZoomSteps(int value) { StoreProperty(m_animatedZoomSteps, value); }
    // Outside loading, and once the chart stands somewhere, this also fills the back wall
    // solid.
    void SetBackColor(TColor value);

    TChartWall &BackWall() { return m_backWall; }
    const TChartWall &BackWall() const { return m_backWall; }
    TChartWall &LeftWall() { return m_leftWall; }
    TChartWall &BottomWall() { return m_bottomWall; }
    TChartTitle &Title() { return m_titleText; }
    const TChartTitle &Title() const { return m_titleText; }
    TChartTitle &Foot() { return m_foot; }
    const TChartTitle &Foot() const { return m_foot; }
    TChartLegend &Legend() { return m_legend; }
    const TChartLegend &Legend() const { return m_legend; }

    TChartAxis &BottomAxis() { return m_bottomAxis; }
    TChartAxis &TopAxis() { return m_topAxis; }
    TChartAxis &LeftAxis() { return m_leftAxis; }
    TChartAxis &RightAxis() { return m_rightAxis; }
    TChartDepthAxis &DepthAxis() { return m_depthAxis; }
    TCustomChartAxis &Axis(AxisId id) { return *m_axes[std::size_t(id)]; }
    const TCustomChartAxis &Axis(AxisId id) const { return *m_axes[std::size_t(id)]; }
    std::span<const TCustomChartAxis *const> Axes() const { return m_axes; }

    // Creates a series owned by the chart, at the end of its series list.
    template <class S> S &AddSeries(const QString &name) {
        auto series = std::make_unique<S>(name);
        S &result = *series;
        AdoptSeries(std::move(series));
        return result;
    }
    int SeriesCount() const { return int(m_series.size()); }
    TChartSeries &Series(int index) { return *m_series[std::size_t(index)]; }
    const TChartSeries &Series(int index) const { return *m_series[std::size_t(index)]; }
    std::span<const TChartSeries *const> SeriesList() const override { return m_seriesList; }
    int ActiveSeriesCount() const;

    void AddTextItem(ChartTextItem item);
    std::span<const ChartTextItem> TextItems() const { return m_textItems; }

    // Every view hears of every change until it leaves; a view leaves before it is gone.
    void AddView(ChartView *view) { m_views.push_back(view); }
    void RemoveView(ChartView *view) { std::erase(m_views, view); }

    // The first view's own locale, else the system's.
    QLocale LabelLocale() const override;
    // Tells every view that the model changed.
    void Invalidate() override;

private:
    // Whether the chart stands where it is shown: a model drawn on a page does; a model
    // shown on widgets once one of them has a parent window.
    bool Placed() const;
    template <class T, class V> void StoreProperty(T &field, const V &value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void AdoptSeries(std::unique_ptr<TChartSeries> series);

    bool m_loading = false;

    TColor m_color = clBtnFace;
    TPanelBevel m_bevelOuter = TPanelBevel::bvRaised;
    TPanelBevel m_bevelInner = TPanelBevel::bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    ChartMargins m_margins;
    bool m_view3D = true;
    int m_chart3DPercent = 15;
    bool m_view3DWalls = true;
    bool m_axisVisible = true;
    bool m_clipPoints = true;
    bool m_allowZoom = true;
    TPanningMode m_allowPanning = TPanningMode::pmBoth;
    bool m_animatedZoom = false;
    int m_animatedZoomSteps = 8;

    TChartWall m_backWall;
    TChartWall m_leftWall;
    TChartWall m_bottomWall;
    TChartTitle m_titleText{false};
    TChartTitle m_foot{true};
    TChartLegend m_legend;
    TChartAxis m_bottomAxis{AxisId::Bottom};
    TChartAxis m_topAxis{AxisId::Top};
    TChartAxis m_leftAxis{AxisId::Left};
    TChartAxis m_rightAxis{AxisId::Right};
    TChartDepthAxis m_depthAxis;
    // In AxisId order.
    std::array<TCustomChartAxis *, kAxisCount> m_axes{};
    std::vector<std::unique_ptr<TChartSeries>> m_series;
    std::vector<const TChartSeries *> m_seriesList;
    std::vector<ChartTextItem> m_textItems;
    std::vector<ChartView *> m_views;
};

} // namespace kvr::chart
