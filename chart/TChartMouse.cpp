#include "TChart.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace kvr::chart {

namespace {

// A drag must exceed this many pixels both ways to zoom or undo.
constexpr int kZoomThreshold = 16;
constexpr double kWheelScrollFraction = 0.03;
// The wheel's angle of one notch, in eighths of a degree.
constexpr int kWheelNotch = 120;

} // namespace

std::array<TCustomChartAxis *, 4> TChart::ZoomAxes() const {
    return {&Axis(AxisId::Top), &Axis(AxisId::Bottom), &Axis(AxisId::Left), &Axis(AxisId::Right)};
}

SeriesHit TChart::SeriesAt(int x, int y) const {
    const std::vector<PlotFrame> &frames = m_layout.series;
    for (bool markers : {true, false}) {
        for (int i = std::min(SeriesCount(), int(frames.size())) - 1; i >= 0; --i) {
            const TChartSeries &s = Series(i);
            const PlotFrame &frame = frames[std::size_t(i)];
            if (!s.Active() || s.ShowsMarkers() != markers)
                continue;
            if (markers) {
                if (const int index = s.PointAt(frame, x, y); index >= 0)
                    return {&s, index, s.XValues().ValueAt(index), s.YValues().ValueAt(index)};
            } else if (s.NearLine(frame, x, y)) {
                const double value = frame.horizontal.PixelToValue(x);
                if (double lineValue = 0; s.LineValueAt(value, lineValue))
                    return {&s, -1, value, lineValue};
            }
        }
    }
    return {};
}

// A press starts a drag on any point of a series, marker or not.
TChart::ClickedPart TChart::PartAt(int x, int y) const {
    const std::vector<PlotFrame> &frames = m_layout.series;
    for (int i = std::min(SeriesCount(), int(frames.size())) - 1; i >= 0; --i) {
        const TChartSeries &s = Series(i);
        if (s.Active() && s.PointAt(frames[std::size_t(i)], x, y) >= 0)
            return ClickedPart::Series;
    }
    for (TCustomChartAxis *axis : m_axes) {
        if (axis->HitRect().Contains(x, y))
            return ClickedPart::Axis;
    }
    if (m_titleText.Visible() && m_layout.title.rect.Contains(x, y))
        return ClickedPart::Title;
    if (m_foot.Visible() && m_layout.foot.rect.Contains(x, y))
        return ClickedPart::Foot;
    if (PlotRect().Contains(x, y) && ActiveSeriesCount() > 0)
        return ClickedPart::PlotArea;
    if (m_legend.Contains(x, y) && ActiveSeriesCount() > 0)
        return ClickedPart::Legend;
    return ClickedPart::None;
}

void TChart::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (m_zoom.Active || m_panning.Active)
        return;
    const QPoint at = event->position().toPoint();
    const ClickedPart part = PartAt(at.x(), at.y());
    if (part != ClickedPart::Series && part != ClickedPart::Axis && part != ClickedPart::PlotArea)
        return;
    if (m_allowZoom && event->button() == Qt::LeftButton) {
        setCursor(Qt::ArrowCursor);
        m_zoom.Activate(at.x(), at.y());
        update();
    } else if (m_allowPanning != TPanningMode::pmNone && event->button() == Qt::RightButton) {
        setCursor(Qt::ArrowCursor);
        m_panning.Activate(at.x(), at.y());
    }
}

void TChart::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (m_zoom.Active) {
        if (at.x() != m_zoom.X1 || at.y() != m_zoom.Y1) {
            m_zoom.X1 = at.x();
            m_zoom.Y1 = at.y();
            update();
        }
    } else if (m_panning.Active) {
        PanAxes(at.x(), at.y());
    } else {
        unsetCursor();
    }
}

void TChart::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (m_zoom.Active && event->button() == Qt::LeftButton) {
        m_zoom.Active = false;
        m_zoom.X1 = at.x();
        m_zoom.Y1 = at.y();
        update();
        if (std::abs(at.x() - m_zoom.X0) > kZoomThreshold &&
            std::abs(at.y() - m_zoom.Y0) > kZoomThreshold) {
            if (m_zoom.X0 < at.x() && m_zoom.Y0 < at.y())
                ZoomRect({m_zoom.X0, m_zoom.Y0, m_zoom.X1, m_zoom.Y1});
            else
                UndoZoom();
        }
    }
    StopPanning();
}

void TChart::leaveEvent(QEvent *event) {
    QWidget::leaveEvent(event);
    unsetCursor();
    StopPanning();
}

// Touchpads and smooth wheels send fractions of a notch: they add up until they make
// whole notches, and what is left waits for the next event.
void TChart::wheelEvent(QWheelEvent *event) {
    const long long angle = static_cast<long long>(m_wheelAngle) + event->angleDelta().y();
    const int notches = static_cast<int>(angle / kWheelNotch);
    m_wheelAngle = static_cast<int>(angle - static_cast<long long>(notches) * kWheelNotch);
    if (notches != 0)
        ScrollVertical(notches);
    event->accept();
}

void TChart::ScrollVertical(int notches) {
    // Turning the wheel toward the user (a negative delta) scrolls the values upward.
    for (TCustomChartAxis *axis : {&m_leftAxis, &m_rightAxis}) {
        const double span = axis->Maximum() - axis->Minimum();
        axis->Scroll(-notches * kWheelScrollFraction * span);
    }
}

void TChart::StopPanning() { m_panning.Active = false; }

void TChart::SaveScales() {
    if (!m_scalesRestored)
        return;
    const auto axes = ZoomAxes();
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const TCustomChartAxis &a = *axes[i];
        m_savedScales[i] = {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(),
                            a.Maximum()};
    }
    m_scalesRestored = false;
}

bool TChart::PanAxis(TCustomChartAxis &axis, int from, int to) {
    const double delta = axis.PixelToValue(from) - axis.PixelToValue(to);
    const double low = axis.Minimum() + delta;
    const double high = axis.Maximum() + delta;
    bool allowed = true;
    emit ScrollRequested(&axis, low, high, &allowed);
    if (!allowed)
        return false;
    axis.SetMinMax(low, high);
    return true;
}

void TChart::PanAxes(int x, int y) {
    if (!PlotRect().Contains(x, y)) {
        StopPanning();
        return;
    }
    if (x == m_panning.X1 && y == m_panning.Y1)
        return;
    SaveScales();
    bool panned = false;
    if (x != m_panning.X1 &&
        (m_allowPanning == TPanningMode::pmHorizontal || m_allowPanning == TPanningMode::pmBoth)) {
        for (TCustomChartAxis *axis : {&m_bottomAxis, &m_topAxis})
            panned = PanAxis(*axis, m_panning.X1, x) || panned;
    }
    if (y != m_panning.Y1 &&
        (m_allowPanning == TPanningMode::pmVertical || m_allowPanning == TPanningMode::pmBoth)) {
        for (TCustomChartAxis *axis : {&m_leftAxis, &m_rightAxis})
            panned = PanAxis(*axis, m_panning.Y1, y) || panned;
    }
    m_panning.X1 = x;
    m_panning.Y1 = y;
    if (panned)
        emit Scrolled();
}

void TChart::ZoomRect(const ChartRect &pixels) {
    m_zoom.X0 = pixels.Left;
    m_zoom.Y0 = pixels.Top;
    m_zoom.X1 = pixels.Right;
    m_zoom.Y1 = pixels.Bottom;
    m_zoom.Normalise();
    SaveScales();
    for (TCustomChartAxis *axis : {&m_topAxis, &m_bottomAxis})
        axis->SetMinMax(axis->PixelToValue(m_zoom.X0), axis->PixelToValue(m_zoom.X1));
    for (TCustomChartAxis *axis : {&m_leftAxis, &m_rightAxis})
        axis->SetMinMax(axis->PixelToValue(m_zoom.Y0), axis->PixelToValue(m_zoom.Y1));
    m_zoomed = true;
    emit ZoomApplied();
}

void TChart::UndoZoom() {
    if (!m_scalesRestored) {
        const auto axes = ZoomAxes();
        for (std::size_t i = 0; i < axes.size(); ++i) {
            TCustomChartAxis &a = *axes[i];
            const SavedScale &saved = m_savedScales[i];
            if (!saved.automatic)
                a.SetMinMax(saved.minimum, saved.maximum);
            // The flags come back exactly as saved, so an axis whose maximum followed the
            // data before the zoom follows it again afterwards.
            a.SetAutomatic(saved.automatic);
            a.SetAutomaticMinimum(saved.automaticMinimum);
            a.SetAutomaticMaximum(saved.automaticMaximum);
        }
        m_scalesRestored = true;
    }
    emit ZoomUndone();
    Invalidate();
    update();
    m_zoomed = false;
}

void TChart::ForgetSavedScales() {
    m_scalesRestored = true;
    m_zoomed = false;
}

} // namespace kvr::chart
