#include "ChartNavigator.h"

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
constexpr double kWheelScrollFraction = 0.03;
// The wheel's angle of one notch, in eighths of a degree.
constexpr int kWheelNotch = 120;
// The frame runs just inside the bevel, well outside the plotting rectangle.
constexpr int kFocusFrameInset = 2;
constexpr int kPanStepsPerPlot = 10;
constexpr double kLargestZoomedValue = 1e100;
// The axes a zoom spans, in the order their ranges are saved.
constexpr std::array<AxisId, 4> kZoomAxes = {AxisId::Top, AxisId::Bottom, AxisId::Left,
                                             AxisId::Right};

bool CameByKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// The window losing or regaining activation, or a menu opening, leaves the frame as it was.
bool KeepsFrame(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool PansHorizontally(TPanningMode mode) {
    return mode == TPanningMode::pmHorizontal || mode == TPanningMode::pmBoth;
}

bool PansVertically(TPanningMode mode) {
    return mode == TPanningMode::pmVertical || mode == TPanningMode::pmBoth;
}

// The values of an axis between two pixels along it.
AxisRange SpanOf(const AxisLayout &layout, const ChartRect &pixels) {
    const AxisMapping &m = layout.mapping;
    return m.horizontal
               ? AxisRange::Fixed(m.PixelToValue(pixels.Left), m.PixelToValue(pixels.Right))
               : AxisRange::Fixed(m.PixelToValue(pixels.Top), m.PixelToValue(pixels.Bottom));
}

// Two neighbouring value labels that read alike or touch no longer tell values apart.
bool LabelsReadApart(TCustomChartAxis &axis, const AxisLayout &layout, ChartCanvas &canvas) {
    if (!layout.shown || !axis.Labels())
        return true;
    canvas.SetFont(axis.LabelsFont());
    auto clash = [&](const AxisLabel &a, const AxisLabel &b) {
        const int room = std::abs(a.pixel - b.pixel);
        const int needed = axis.Horizontal()
                               ? (canvas.TextWidth(a.text) + canvas.TextWidth(b.text)) / 2 +
                                     canvas.TextWidth(QStringLiteral(" "))
                               : canvas.FontHeight();
        return a.text == b.text || room < needed;
    };
    return std::adjacent_find(layout.labels.begin(), layout.labels.end(), clash) ==
           layout.labels.end();
}

// The zoom is worth making only while every axis's labels still read apart in a layout of
// the model with the ranges of `target`.
bool ZoomKeepsLabelsApart(const TChart &view, const ChartLayout &layout, const ChartRect &target) {
    AxisRanges ranges{};
    for (AxisId id : kZoomAxes)
        ranges[std::size_t(id)] = SpanOf(layout.Axis(id), target);
    QImage scratch(1, 1, QImage::Format_RGB32);
    ChartCanvas canvas(scratch, view.palette());
    const ChartLayout zoomed = LayOutChart(view, canvas, layout.panel, LengthsOf(layout), ranges);
    return std::all_of(kZoomAxes.begin(), kZoomAxes.end(), [&](AxisId id) {
        return LabelsReadApart(view.Axis(id), zoomed.Axis(id), canvas);
    });
}

} // namespace

void TZoomPanningRecord::Activate(int x, int y) {
    X0 = X1 = x;
    Y0 = Y1 = y;
    Active = true;
}

void TZoomPanningRecord::Normalise() {
    if (X1 < X0)
        std::swap(X0, X1);
    if (Y1 < Y0)
        std::swap(Y0, Y1);
}

ChartNavigator::ChartNavigator(TChart *view) : QObject(view), m_view(*view) {
    view->installEventFilter(this);
    view->SetOverlay(this, this);
}

ChartNavigator::~ChartNavigator() = default;

ChartNavigator *ChartNavigator::Of(const TChart &view) {
    return view.findChild<ChartNavigator *>(QString(), Qt::FindDirectChildrenOnly);
}

bool ChartNavigator::navigate(const NavigationOperation &operation) {
    switch (operation.kind) {
    case Navigation::ZoomIn:
        return ZoomAroundCentre(true);
    case Navigation::ZoomOut:
        return ZoomAroundCentre(false);
    case Navigation::ZoomTo:
        return ZoomTo(operation.rect);
    case Navigation::Pan:
        return Pan(operation.from, operation.to);
    case Navigation::Scroll:
        return Scroll(operation.notches);
    case Navigation::Reset:
        return Reset();
    }
    return false;
}

bool ChartNavigator::ZoomAroundCentre(bool zoomIn) {
    const ChartLayout &layout = m_view.LayOut();
    const ChartRect plot = layout.plotRect;
    const int dx = zoomIn ? plot.Width() / 8 : -plot.Width() / 6;
    const int dy = zoomIn ? plot.Height() / 8 : -plot.Height() / 6;
    const ChartRect target{plot.Left + dx, plot.Top + dy, plot.Right - dx, plot.Bottom - dy};
    // Holding "-" down must not grow the ranges until they overflow.
    for (AxisId id : kZoomAxes) {
        const AxisRange span = SpanOf(layout.Axis(id), target);
        for (double end : {span.minimum, span.maximum})
            if (!(std::abs(end) <= kLargestZoomedValue))
                return false;
    }
    if (zoomIn && !ZoomKeepsLabelsApart(m_view, layout, target))
        return false;
    return ZoomTo(target);
}

bool ChartNavigator::ZoomTo(const ChartRect &pixels) {
    m_zoom.X0 = pixels.Left;
    m_zoom.Y0 = pixels.Top;
    m_zoom.X1 = pixels.Right;
    m_zoom.Y1 = pixels.Bottom;
    m_zoom.Normalise();
    SaveScales();
    const ChartLayout layout = m_view.LayOut();
    const ChartRect normalised{m_zoom.X0, m_zoom.Y0, m_zoom.X1, m_zoom.Y1};
    for (AxisId id : kZoomAxes)
        m_view.Axis(id).SetRange(SpanOf(layout.Axis(id), normalised));
    m_zoomed = true;
    emit ZoomApplied();
    return true;
}

void ChartNavigator::SaveScales() {
    if (m_saved)
        return;
    const ChartLayout &layout = m_view.LayOut();
    std::array<AxisRange, 4> saved{};
    for (std::size_t i = 0; i < kZoomAxes.size(); ++i) {
        // The ends the picture shows, which for an automatic axis are the data's.
        saved[i] = m_view.Axis(kZoomAxes[i]).Range();
        saved[i].minimum = layout.Axis(kZoomAxes[i]).minimum;
        saved[i].maximum = layout.Axis(kZoomAxes[i]).maximum;
    }
    m_saved = saved;
}

bool ChartNavigator::Pan(QPoint from, QPoint to) {
    SaveScales();
    const ChartLayout layout = m_view.LayOut();
    const TPanningMode mode = m_view.AllowPanning();
    bool panned = false;
    if (from.x() != to.x() && PansHorizontally(mode)) {
        for (AxisId id : {AxisId::Bottom, AxisId::Top})
            panned = PanAxis(m_view.Axis(id), layout.Axis(id), from.x(), to.x()) || panned;
    }
    if (from.y() != to.y() && PansVertically(mode)) {
        for (AxisId id : {AxisId::Left, AxisId::Right})
            panned = PanAxis(m_view.Axis(id), layout.Axis(id), from.y(), to.y()) || panned;
    }
    if (panned)
        emit Scrolled();
    return panned;
}

bool ChartNavigator::PanAxis(TCustomChartAxis &axis, const AxisLayout &layout, int from, int to) {
    const double delta = layout.mapping.PixelToValue(from) - layout.mapping.PixelToValue(to);
    const double low = layout.minimum + delta;
    const double high = layout.maximum + delta;
    bool allowed = true;
    emit ScrollRequested(&axis, low, high, &allowed);
    if (!allowed)
        return false;
    axis.SetMinMax(low, high);
    return true;
}

bool ChartNavigator::Scroll(int notches) {
    if (notches == 0)
        return false;
    const ChartLayout layout = m_view.LayOut();
    // Turning the wheel toward the user (a negative delta) scrolls the values upward.
    for (AxisId id : {AxisId::Left, AxisId::Right}) {
        const AxisLayout &axis = layout.Axis(id);
        const double delta = -notches * kWheelScrollFraction * (axis.maximum - axis.minimum);
        m_view.Axis(id).SetMinMax(axis.minimum + delta, axis.maximum + delta);
    }
    return true;
}

bool ChartNavigator::Reset() {
    const bool restoring = m_saved.has_value();
    if (restoring) {
        for (std::size_t i = 0; i < kZoomAxes.size(); ++i)
            m_view.Axis(kZoomAxes[i]).SetRange((*m_saved)[i]);
        m_saved.reset();
    }
    emit ZoomUndone();
    m_view.Invalidate();
    m_view.update();
    m_zoomed = false;
    return restoring;
}

void ChartNavigator::ForgetSavedScales() {
    m_saved.reset();
    m_zoomed = false;
}

bool ChartNavigator::FocusFrameShown() const { return m_focusVisible && m_view.hasFocus(); }

bool ChartNavigator::Shown() const { return m_zoom.Active || FocusFrameShown(); }

void ChartNavigator::Draw(ChartCanvas &canvas) const {
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
    case QEvent::FocusOut:
        FocusChanged(*static_cast<QFocusEvent *>(event));
        return false;
    case QEvent::ContextMenu: {
        // The mouse's menu waits for the release; the keyboard's opens at once.
        auto *menu = static_cast<QContextMenuEvent *>(event);
        if (menu->reason() != QContextMenuEvent::Mouse) {
            const ChartLayout &layout = m_view.LayOut();
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
    const ChartPartKind part = PartAt(m_view, m_view.LayOut(), at.x(), at.y());
    if (part != ChartPartKind::Series && part != ChartPartKind::Axis &&
        part != ChartPartKind::PlotArea)
        return true;
    if (m_view.AllowZoom() && event.button() == Qt::LeftButton) {
        m_view.setCursor(Qt::ArrowCursor);
        m_zoom.Activate(at.x(), at.y());
        m_view.update();
    } else if (m_view.AllowPanning() != TPanningMode::pmNone && event.button() == Qt::RightButton) {
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
        if (!m_view.LayOut().plotRect.Contains(at.x(), at.y())) {
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
    const ChartLayout &layout = m_view.LayOut();
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

void ChartNavigator::FocusChanged(const QFocusEvent &event) {
    if (!KeepsFrame(event.reason()))
        m_focusVisible = event.gotFocus() && CameByKeyboard(event.reason());
    m_view.update();
}

} // namespace kvr::chart
