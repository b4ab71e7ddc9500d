#pragma once

// The gestures of a chart view: the mouse's zoom drag, panning and wheel, the keyboard's
// zoom, panning and reset, the focus frame and copying. Every change of the axes' ranges
// goes through navigate(); the view only shows what comes of it.

#include "ChartNavigation.h"
#include "TChart.h"

#include <optional>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace kvr::chart {

class ChartNavigator : public ChartNavigation, private ChartOverlay {
    Q_OBJECT

public:
    // Owned by and watching `view`.
    explicit ChartNavigator(TChart *view);
    ~ChartNavigator() override;
    static ChartNavigator *Of(const TChart &view);

    const TZoomPanningRecord &PanningRecord() const { return m_panning; }
    bool FocusFrameShown() const;

signals:
    // A right click that did not drag, or the keyboard's menu key, at a global position.
    void ContextMenuRequested(QPoint globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Shown() const override;
    void Draw(QImage &picture, const QPalette &palette) const override;

    bool MousePress(const QMouseEvent &event);
    bool MouseMove(const QMouseEvent &event);
    bool MouseRelease(const QMouseEvent &event);
    bool Wheel(const QWheelEvent &event);
    bool KeyPress(const QKeyEvent &event);
    void FocusGained(const QFocusEvent &event);
    void StopPanning() { m_panning.Active = false; }

    TChart &m_view;
    TZoomPanningRecord m_panning;
    // Wheel angle short of a whole notch, in eighths of a degree.
    int m_wheelAngle = 0;
    // Where the right button went down while it has not moved since.
    std::optional<QPoint> m_rightClick;
    // The focus frame is for keyboard users: it shows once focus came by Tab or a key was
    // pressed; a click or the window's activation gives focus and leaves the picture alone.
    bool m_focusVisible = false;
};

} // namespace kvr::chart
