#pragma once

// The gestures of a chart view: the mouse's zoom drag, panning and wheel, the keyboard's
// zoom, panning and reset, the focus frame and copying. Every change of the axes' ranges
// goes through navigate(); the view only shows what comes of it.

#include "TChart.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <optional>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

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

class ChartNavigator : public QObject, private ChartOverlay {
    Q_OBJECT

public:
    // Owned by and watching `view`.
    explicit ChartNavigator(TChart *view);
    ~ChartNavigator() override;
    static ChartNavigator *Of(const TChart &view);

    // Whether any axis took a new range.
    bool navigate(const NavigationOperation &operation);
    // Drops the ranges a zoom or panning saved, so that no later reset brings them back.
    void ForgetSavedScales();

    const TZoomPanningRecord &ZoomRecord() const { return m_zoom; }
    const TZoomPanningRecord &PanningRecord() const { return m_panning; }
    bool Zoomed() const { return m_zoomed; }
    bool FocusFrameShown() const;

signals:
    void ZoomApplied();
    void ZoomUndone();
    // The axes were panned by the mouse or the keyboard.
    void Scrolled();
    // Before a pan moves an axis to [minimum, maximum]; a receiver refuses it by setting
    // *allowed to false.
    void ScrollRequested(kvr::chart::TCustomChartAxis *axis, double minimum, double maximum,
                         bool *allowed);
    // A right click that did not drag, or the keyboard's menu key, at a global position.
    void ContextMenuRequested(QPoint globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Shown() const override;
    void Draw(ChartCanvas &canvas) const override;

    bool ZoomAroundCentre(bool zoomIn);
    bool ZoomTo(const ChartRect &pixels);
    bool Pan(QPoint from, QPoint to);
    bool PanAxis(TCustomChartAxis &axis, const AxisLayout &layout, int from, int to);
    bool Scroll(int notches);
    bool Reset();
    void SaveScales();

    bool MousePress(const QMouseEvent &event);
    bool MouseMove(const QMouseEvent &event);
    bool MouseRelease(const QMouseEvent &event);
    bool Wheel(const QWheelEvent &event);
    bool KeyPress(const QKeyEvent &event);
    void FocusChanged(const QFocusEvent &event);
    void StopPanning() { m_panning.Active = false; }

    TChart &m_view;
    TZoomPanningRecord m_zoom;
    TZoomPanningRecord m_panning;
    // The ranges of the four zoomed axes before the first zoom or pan since the last reset.
    std::optional<std::array<AxisRange, 4>> m_saved;
    bool m_zoomed = false;
    // Wheel angle short of a whole notch, in eighths of a degree.
    int m_wheelAngle = 0;
    // Where the right button went down while it has not moved since.
    std::optional<QPoint> m_rightClick;
    // The focus frame is for keyboard users: it shows once focus came by Tab or a key was
    // pressed; a click or the window's activation gives focus and leaves the picture alone.
    bool m_focusVisible = false;
};

} // namespace kvr::chart
