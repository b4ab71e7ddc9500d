#pragma once

// The chart component: a panel widget (TChart) drawing a two-dimensional chart.
//
// Map: ChartCanvas is the drawing surface and owns every pixel convention; ChartColor,
// ChartPen (pens, brushes, fonts), ChartWall and ChartTitle are the shared drawing types;
// AxisScale holds the axis arithmetic (step search, label text, value<->pixel mapping)
// and ChartAxis uses it to lay out and draw an axis; ChartValueList, ChartSeries,
// CustomSeries, SeriesPointer and LineSeries are the data and how it draws itself;
// ChartLegend lists the series. The parts know the panel only as a ChartHost.
// One picture is two steps: TChartLayout.cpp computes a ChartLayout (every rectangle, the
// axes' ends and labels, PlotRect), then TChart.cpp draws from it and nothing else.
// TChartMouse.cpp handles zoom, panning and the wheel (ZoomOutline draws the rectangle of a
// zoom drag); TChartKeyboard.cpp the same from the keyboard, the focus frame and copying.

#include "ChartException.h"
#include "ChartLayout.h"
#include "ChartSeries.h"
#include "ChartWall.h"
#include "LineSeries.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QPainter;

namespace kvr::chart {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

struct TZoomPanningRecord {
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    bool Active = false;

    void Activate(int x, int y);
    void Normalise();
};

// What lies under a pixel of a picture.
struct SeriesHit {
    const TChartSeries *series = nullptr; // none: no marker or line within reach
    int index = -1;                       // the marker's point; -1 on a line
    double x = 0.0;
    double y = 0.0;
};

// Stored, never drawn: View3D, Chart3DPercent, View3DWalls, AnimatedZoom,
// AnimatedZoomSteps, LeftWall and BottomWall (only the flat mode is drawn).
class TChart : public QWidget, public ChartHost {
    Q_OBJECT

public:
    explicit TChart(QWidget *parent = nullptr);
    ~TChart() override;

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
    // Outside loading this also fills the back wall solid.
    void SetBackColor(TColor value);

    TChartWall &BackWall() { return m_backWall; }
    TChartWall &LeftWall() { return m_leftWall; }
    TChartWall &BottomWall() { return m_bottomWall; }
    TChartTitle &Title() { return m_titleText; }
    TChartTitle &Foot() { return m_foot; }
    TChartLegend &Legend() { return m_legend; }
    const TChartLegend &Legend() const { return m_legend; }

    TChartAxis &BottomAxis() { return m_bottomAxis; }
    TChartAxis &TopAxis() { return m_topAxis; }
    TChartAxis &LeftAxis() { return m_leftAxis; }
    TChartAxis &RightAxis() { return m_rightAxis; }
    TChartDepthAxis &DepthAxis() { return m_depthAxis; }
    TCustomChartAxis &Axis(AxisId id) const { return *m_axes[std::size_t(id)]; }

    // Creates a series owned by the chart, at the end of its series list.
    template <class S> S &AddSeries(const QString &name) {
        auto series = std::make_unique<S>(name);
        S &result = *series;
        AdoptSeries(std::move(series));
        return result;
    }
    int SeriesCount() const { return int(m_series.size()); }
    TChartSeries &Series(int index) const { return *m_series[std::size_t(index)]; }
    std::span<TChartSeries *const> SeriesList() const override { return m_seriesList; }
    int ActiveSeriesCount() const;

    // The layout of the last drawing.
    const ChartLayout &Layout() const override { return m_layout; }
    // Everything a drawing of the current state computes, without drawing; later
    // drawings follow on from it as from a drawing.
    const ChartLayout &LayOut();
    ChartRect PanelBounds() const { return m_layout.panel.bounds; }
    ChartRect PlotRect() const { return m_layout.plotRect; }
    int PlotWidth() const { return PlotRect().Width(); }
    int PlotHeight() const { return PlotRect().Height(); }
    int PlotXCenter() const { return (PlotRect().Left + PlotRect().Right) / 2; }
    int PlotYCenter() const { return (PlotRect().Top + PlotRect().Bottom) / 2; }
    // Locale of the value labels: the widget's own when one was set, else the system's.
    QLocale LabelLocale() const override;

    // The marker or line at a pixel of the last picture and its values there, answered from
    // its layout without drawing: markers before lines, later series before earlier ones.
    SeriesHit SeriesAt(int x, int y) const;

    // Draws one complete picture straight into target, PanelBounds being rect.
    void Draw(QImage &target, const QRect &rect);
    // The picture the chart shows at its size, through a painter on any device (a printer,
    // a PDF page) in the chart's pixels, as vectors; what the screen keeps stays.
    void Render(QPainter &painter);
    // The off-screen picture, redrawn first when something changed since the last one.
    const QImage &Picture();
    bool BufferClean() const { return m_bufferClean; }
    void Invalidate() override;
    void RaiseLegendText(int index, QString &text) override;
    void RaiseLegendPosition(int index, int &x, int &y) override;
    void RaiseLegendRect(ChartRect &rect) override;

    // Zoom and panning.
    const TZoomPanningRecord &ZoomRecord() const { return m_zoom; }
    const TZoomPanningRecord &PanningRecord() const { return m_panning; }
    bool Zoomed() const { return m_zoomed; }
    void ZoomRect(const ChartRect &pixels);
    void UndoZoom();
    // Drops the scales a zoom or panning saved, so that no later undo brings them back.
    void ForgetSavedScales();

    // Keyboard navigation (TChartKeyboard.cpp): a quarter in or a third out around the
    // plot's centre; panning by a tenth of the plot per step, as a drag of that length.
    void ZoomAroundCentre(bool zoomIn);
    void PanBySteps(int right, int down);
    // The chart as the screen shows it, captions on it included, without the focus frame,
    // at the widget's device pixel ratio.
    QPixmap GrabPicture();
    bool FocusFrameShown() const;

signals:
    // Points of a drawing, in their order.
    void BeforeDrawAxes();
    void BeforeDrawSeries();
    void AfterDraw();
    void ZoomApplied();
    void ZoomUndone();
    // The axes were panned by the mouse or the keyboard.
    void Scrolled();
    // Before a pan moves an axis to [minimum, maximum]; a receiver refuses it by setting
    // *allowed to false.
    void ScrollRequested(TCustomChartAxis *axis, double minimum, double maximum, bool *allowed);
    // While the legend lays out; a receiver may change the item's text or position, or the
    // legend's box.
    void LegendTextRequested(int index, QString *text);
    void LegendPositionRequested(int index, int *x, int *y);
    void LegendRectRequested(kvr::chart::ChartRect *rect);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    enum class ClickedPart { None, Series, Axis, Title, Foot, PlotArea, Legend };
    struct SavedScale {
        bool automatic = true;
        bool automaticMinimum = true;
        bool automaticMaximum = true;
        double minimum = 0.0;
        double maximum = 0.0;
    };

    template <class T, class V> void StoreProperty(T &field, const V &value) {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void AdoptSeries(std::unique_ptr<TChartSeries> series);

    // The layout step (TChartLayout.cpp): computes into the layout it returns, nothing else.
    ChartLayout ComputeLayout(ChartCanvas &canvas, const PanelArea &panel) const;
    void LayOutTitlesAndLegend(ChartCanvas &canvas, ChartLayout &layout, ChartRect &plot) const;
    void LayOutAxes(ChartCanvas &canvas, ChartLayout &layout, ChartRect &plot) const;
    ChartRect TakeAxesRoom(ChartCanvas &canvas, ChartLayout &layout, const ChartRect &plot,
                           const std::array<int, kAxisCount> &lengths) const;
    void LayOutSeries(ChartLayout &layout) const;
    // The layout becomes the last one, and its automatic ends the axes' Minimum and Maximum.
    void Keep(const ChartLayout &layout);

    // The drawing step: reads the layout only.
    void InternalDraw(ChartCanvas &canvas, const ChartLayout &layout);
    void DrawPanelBackground(ChartCanvas &canvas, const ChartLayout &layout);
    void DrawBackWall(ChartCanvas &canvas, const ChartRect &plot);
    void DrawAxes(ChartCanvas &canvas, const ChartLayout &layout);
    void DrawSeries(ChartCanvas &canvas, const ChartLayout &layout);
    void DrawZoomRectangle(ChartCanvas &canvas);
    void DrawFocusFrame(ChartCanvas &canvas);

    // Mouse helpers (TChartMouse.cpp).
    ClickedPart PartAt(int x, int y) const;
    void SaveScales();
    void PanAxes(int x, int y);
    bool PanAxis(TCustomChartAxis &axis, int from, int to);
    void StopPanning();
    void ScrollVertical(int notches);
    std::array<TCustomChartAxis *, 4> ZoomAxes() const;

    bool m_loading = false;
    bool m_creating = true;

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
    std::vector<TChartSeries *> m_seriesList;

    ChartLayout m_layout;
    QImage m_buffer;
    bool m_bufferClean = false;

    TZoomPanningRecord m_zoom;
    TZoomPanningRecord m_panning;
    std::array<SavedScale, 4> m_savedScales{};
    bool m_scalesRestored = true;
    bool m_zoomed = false;
    // Wheel angle short of a whole notch, in eighths of a degree.
    int m_wheelAngle = 0;
    // The focus frame is for keyboard users: it shows once focus came by Tab or a key was
    // pressed; a click or the window's activation gives focus and leaves the picture alone.
    bool m_focusVisible = false;
    bool m_grabbing = false;
};

} // namespace kvr::chart
