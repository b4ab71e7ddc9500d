#include <kvrchart/ChartNavigator.h>

#include "ChartCanvas.h"
#include "ZoomOutline.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kvr::chart {

namespace {

// A drag must exceed this many pixels both ways to zoom or undo.
constexpr int kZoomThreshold = 16;
// The wheel's angle of one notch, in eighths of a degree.
constexpr int kWheelNotch = 120;
// The frame runs just inside the bevel, well outside the plotting rectangle.
constexpr int kFocusFrameInset = 2;
constexpr int kPanStepsPerPlot = 10;

bool CameByKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// The window losing or regaining activation, or a menu opening, leaves the frame as it was.
bool KeepsFrame(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

ChartNavigator::ChartNavigator(TChart *view)
    : ChartNavigation(
          view->Model(), [view]() -> const ChartLayout & { return view->Layout(); }, view),
      m_view(*view) {
    view->installEventFilter(this);
    view->SetOverlay(this, this);
    connect(this, &ChartNavigation::ZoomUndone, view, qOverload<>(&QWidget::update));
}

ChartNavigator::~ChartNavigator() = default;

ChartNavigator *ChartNavigator::Of(const TChart &view) {
    return view.findChild<ChartNavigator *>(QString(), Qt::FindDirectChildrenOnly);
}

bool ChartNavigator::FocusFrameShown() const { return m_focusVisible && m_view.hasFocus(); }

bool ChartNavigator::Shown() const { return m_zoom.Active || FocusFrameShown(); }

void ChartNavigator::Draw(QImage &picture, const QPalette &palette) const {
    ChartCanvas canvas(picture, palette);
    if (m_zoom.Active) {
        TZoomPanningRecord r = m_zoom;
        r.Normalise();
        DrawZoomOutline(canvas, {r.X0, r.Y0, r.X1, r.Y1});
    }
    if (FocusFrameShown()) {
        canvas.SetBrush(clWhite, TBrushStyle::bsClear);
        canvas.SetPen(clBlack, 1, TPenStyle::psDot);
        canvas.Rectangle({kFocusFrameInset, kFocusFrameInset, m_view.width() - kFocusFrameInset,
                          m_view.height() - kFocusFrameInset});
        canvas.SetPen(clBlack);
    }
}

bool ChartNavigator::eventFilter(QObject *watched, QEvent *event) {
    if (watched != &m_view)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MousePress(*static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return MouseMove(*static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return MouseRelease(*static_cast<QMouseEvent *>(event));
    case QEvent::Leave:
        m_view.unsetCursor();
        StopPanning();
        return false;
    case QEvent::Wheel:
        return Wheel(*static_cast<QWheelEvent *>(event));
    case QEvent::KeyPress:
        return KeyPress(*static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        FocusGained(*static_cast<QFocusEvent *>(event));
        return false;
    case QEvent::ContextMenu: {
        // The mouse's menu waits for the release; the keyboard's opens at once.
        auto *menu = static_cast<QContextMenuEvent *>(event);
        if (menu->reason() != QContextMenuEvent::Mouse) {
            const ChartLayout &layout = m_view.Layout();
            emit ContextMenuRequested(
                m_view.mapToGlobal(QPoint(layout.PlotXCenter(), layout.PlotYCenter())));
        }
        return true;
    }
    default:
        return false;
    }
}

bool ChartNavigator::MousePress(const QMouseEvent &event) {
    const QPoint at = event.position().toPoint();
    if (event.button() == Qt::RightButton)
        m_rightClick = at;
    if (m_zoom.Active || m_panning.Active)
        return true;
    const ChartPartKind part = PartAt(m_view.Model(), m_view.Layout(), at.x(), at.y());
    if (part != ChartPartKind::Series && part != ChartPartKind::Axis &&
        part != ChartPartKind::PlotArea)
        return true;
    if (m_view.Model().AllowZoom() && event.button() == Qt::LeftButton) {
        m_view.setCursor(Qt::ArrowCursor);
        m_zoom.Activate(at.x(), at.y());
        m_view.update();
    } else if (m_view.Model().AllowPanning() != TPanningMode::pmNone &&
               event.button() == Qt::RightButton) {
        m_view.setCursor(Qt::ArrowCursor);
        m_panning.Activate(at.x(), at.y());
    }
    return true;
}

bool ChartNavigator::MouseMove(const QMouseEvent &event) {
    const QPoint at = event.position().toPoint();
    if ((event.buttons() & Qt::RightButton) && m_rightClick && at != *m_rightClick)
        m_rightClick.reset();
    if (m_zoom.Active) {
        if (at.x() != m_zoom.X1 || at.y() != m_zoom.Y1) {
            m_zoom.X1 = at.x();
            m_zoom.Y1 = at.y();
            m_view.update();
        }
    } else if (m_panning.Active) {
        if (!m_view.Layout().plotRect.Contains(at.x(), at.y())) {
            StopPanning();
        } else if (at.x() != m_panning.X1 || at.y() != m_panning.Y1) {
            navigate(NavigationOperation::Pan(QPoint(m_panning.X1, m_panning.Y1), at));
            m_panning.X1 = at.x();
            m_panning.Y1 = at.y();
        }
    } else {
        m_view.unsetCursor();
    }
    return true;
}

bool ChartNavigator::MouseRelease(const QMouseEvent &event) {
    const QPoint at = event.position().toPoint();
    if (m_zoom.Active && event.button() == Qt::LeftButton) {
        m_zoom.Active = false;
        m_zoom.X1 = at.x();
        m_zoom.Y1 = at.y();
        m_view.update();
        if (std::abs(at.x() - m_zoom.X0) > kZoomThreshold &&
            std::abs(at.y() - m_zoom.Y0) > kZoomThreshold) {
            if (m_zoom.X0 < at.x() && m_zoom.Y0 < at.y())
                navigate(NavigationOperation::Zoom({m_zoom.X0, m_zoom.Y0, m_zoom.X1, m_zoom.Y1}));
            else
                navigate(NavigationOperation::Of(Navigation::Reset));
        }
    }
    StopPanning();
    if (event.button() == Qt::RightButton && m_rightClick) {
        m_rightClick.reset();
        emit ContextMenuRequested(event.globalPosition().toPoint());
    }
    return true;
}

// Touchpads and smooth wheels send fractions of a notch: they add up until they make
// whole notches, and what is left waits for the next event.
bool ChartNavigator::Wheel(const QWheelEvent &event) {
    const long long angle = static_cast<long long>(m_wheelAngle) + event.angleDelta().y();
    const int notches = static_cast<int>(angle / kWheelNotch);
    m_wheelAngle = static_cast<int>(angle - static_cast<long long>(notches) * kWheelNotch);
    navigate(NavigationOperation::Scroll(notches));
    return true;
}

bool ChartNavigator::KeyPress(const QKeyEvent &event) {
    if (event.matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setPixmap(m_view.GrabPicture());
        return true;
    }
    const ChartLayout &layout = m_view.Layout();
    const QPoint centre(layout.PlotXCenter(), layout.PlotYCenter());
    const int across = std::max(1, layout.plotRect.Width() / kPanStepsPerPlot);
    const int down = std::max(1, layout.plotRect.Height() / kPanStepsPerPlot);
    // A step pans as a drag of that length toward the centre.
    auto pan = [&](int dx, int dy) {
        return NavigationOperation::Pan(centre + QPoint(dx, dy), centre);
    };
    NavigationOperation operation;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        operation.kind = Navigation::ZoomIn;
        break;
    case Qt::Key_Minus:
        operation.kind = Navigation::ZoomOut;
        break;
    case Qt::Key_Left:
        operation = pan(-across, 0);
        break;
    case Qt::Key_Right:
        operation = pan(across, 0);
        break;
    case Qt::Key_Up:
        operation = pan(0, -down);
        break;
    case Qt::Key_Down:
        operation = pan(0, down);
        break;
    case Qt::Key_Home:
    case Qt::Key_Escape:
        operation.kind = Navigation::Reset;
        break;
    default:
        return false;
    }
    navigate(operation);
    m_focusVisible = true;
    m_view.update();
    return true;
}

// A focus out needs nothing: the frame is drawn only with focus, every focus in but a kept one
// decides anew, and the view repaints itself on either change.
void ChartNavigator::FocusGained(const QFocusEvent &event) {
    if (!KeepsFrame(event.reason()))
        m_focusVisible = CameByKeyboard(event.reason());
}

} // namespace kvr::chart
