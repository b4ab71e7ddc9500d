#pragma once

// The changes of a chart's ranges: zoom in and out around the plot's centre, zoom to a
// rectangle of pixels, pan, scroll and reset. It works on a model and the layout the model
// shows, so it needs no widget; a ChartNavigator turns a view's gestures into it.

#include "ChartLayout.h"
#include "ChartModel.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>

namespace kvr::chart {

struct TZoomPanningRecord {
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    bool Active = false;

    void Activate(int x, int y);
    void Normalise();
};

enum class Navigation {
    ZoomIn,  // a quarter in around the plot's centre, while the labels still read apart
    ZoomOut, // a third out around it, while no end grows beyond 1e100
    ZoomTo,  // the axes span the pixels of `rect`
    Pan,     // the values under `from` move to `to`
    Scroll,  // the vertical axes by 3 % of their span per wheel notch, toward the user < 0
    Reset,   // the ranges before the first zoom or pan since the last reset
};

struct NavigationOperation {
    Navigation kind = Navigation::Reset;
    ChartRect rect;
    QPoint from;
    QPoint to;
    int notches = 0;

    static NavigationOperation Zoom(const ChartRect &pixels) {
        return {Navigation::ZoomTo, pixels, {}, {}, 0};
    }
    static NavigationOperation Pan(QPoint from, QPoint to) {
        return {Navigation::Pan, {}, from, to, 0};
    }
    static NavigationOperation Scroll(int notches) {
        return {Navigation::Scroll, {}, {}, {}, notches};
    }
    static NavigationOperation Of(Navigation kind) { return {kind, {}, {}, {}, 0}; }
};

class ChartNavigation : public QObject {
    Q_OBJECT

public:
    // The layout the model shows now, laid out again if the model changed since.
    using LayoutSource = std::function<const ChartLayout &()>;

    ChartNavigation(ChartModel &model, LayoutSource layout, QObject *parent = nullptr);
    ~ChartNavigation() override;

    // Whether any axis took a new range.
    bool navigate(const NavigationOperation &operation);
    // Drops the ranges a zoom or panning saved, so that no later reset brings them back.
    void ForgetSavedScales();

    const TZoomPanningRecord &ZoomRecord() const { return m_zoom; }
    bool Zoomed() const { return m_zoomed; }

signals:
    void ZoomApplied();
    void ZoomUndone();
    // The axes were panned by the mouse or the keyboard.
    void Scrolled();
    // Before a pan moves an axis to [minimum, maximum]; a receiver refuses it by setting
    // *allowed to false.
    void ScrollRequested(kvr::chart::TCustomChartAxis *axis, double minimum, double maximum,
                         bool *allowed);

protected:
    // The mouse's zoom drag; a zoom leaves here the rectangle it took.
    TZoomPanningRecord m_zoom;

private:
    bool ZoomAroundCentre(bool zoomIn);
    bool ZoomTo(const ChartRect &pixels);
    bool Pan(QPoint from, QPoint to);
    bool PanAxis(TCustomChartAxis &axis, const AxisLayout &layout, int from, int to);
    bool Scroll(int notches);
    bool Reset();
    void SaveScales();

    ChartModel &m_model;
    LayoutSource m_layout;
    // The ranges of the four zoomed axes before the first zoom or pan since the last reset.
    std::optional<std::array<AxisRange, 4>> m_saved;
    bool m_zoomed = false;
};

} // namespace kvr::chart
