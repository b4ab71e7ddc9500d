#include <kvrchart/ChartNavigation.h>

#include "ChartCanvas.h"
#include "ChartDrawing.h"

#include <QImage>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kvr::chart {

namespace {

constexpr double kLargestZoomedValue = 1e100;
constexpr double kWheelScrollFraction = 0.03;
// The axes a zoom spans, in the order their ranges are saved.
constexpr std::array<AxisId, 4> kZoomAxes = {AxisId::Top, AxisId::Bottom, AxisId::Left,
                                             AxisId::Right};

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
bool LabelsReadApart(const TCustomChartAxis &axis, const AxisLayout &layout, ChartCanvas &canvas) {
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
bool ZoomKeepsLabelsApart(const ChartModel &model, const ChartLayout &layout,
                          const ChartRect &target) {
    AxisRanges ranges{};
    for (AxisId id : kZoomAxes)
        ranges[std::size_t(id)] = SpanOf(layout.Axis(id), target);
    QImage scratch(1, 1, QImage::Format_RGB32);
    ChartCanvas canvas(scratch, QPalette());
    const ChartLayout zoomed = LayOutChart(model, canvas, layout.panel, LengthsOf(layout), ranges);
    return std::all_of(kZoomAxes.begin(), kZoomAxes.end(), [&](AxisId id) {
        return LabelsReadApart(model.Axis(id), zoomed.Axis(id), canvas);
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

ChartNavigation::ChartNavigation(ChartModel &model, LayoutSource layout, QObject *parent)
    : QObject(parent), m_model(model), m_layout(std::move(layout)) {}

ChartNavigation::~ChartNavigation() = default;

bool ChartNavigation::navigate(const NavigationOperation &operation) {
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

bool ChartNavigation::ZoomAroundCentre(bool zoomIn) {
    const ChartLayout &layout = m_layout();
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
    if (zoomIn && !ZoomKeepsLabelsApart(m_model, layout, target))
        return false;
    return ZoomTo(target);
}

bool ChartNavigation::ZoomTo(const ChartRect &pixels) {
    m_zoom.X0 = pixels.Left;
    m_zoom.Y0 = pixels.Top;
    m_zoom.X1 = pixels.Right;
    m_zoom.Y1 = pixels.Bottom;
    m_zoom.Normalise();
    SaveScales();
    const ChartLayout layout = m_layout();
    const ChartRect normalised{m_zoom.X0, m_zoom.Y0, m_zoom.X1, m_zoom.Y1};
    for (AxisId id : kZoomAxes)
        m_model.Axis(id).SetRange(SpanOf(layout.Axis(id), normalised));
    m_zoomed = true;
    emit ZoomApplied();
    return true;
}

void ChartNavigation::SaveScales() {
    if (m_saved)
        return;
    const ChartLayout &layout = m_layout();
    std::array<AxisRange, 4> saved{};
    for (std::size_t i = 0; i < kZoomAxes.size(); ++i) {
        // The ends the picture shows, which for an automatic axis are the data's.
        saved[i] = m_model.Axis(kZoomAxes[i]).Range();
        saved[i].minimum = layout.Axis(kZoomAxes[i]).minimum;
        saved[i].maximum = layout.Axis(kZoomAxes[i]).maximum;
    }
    m_saved = saved;
}

bool ChartNavigation::Pan(QPoint from, QPoint to) {
    SaveScales();
    const ChartLayout layout = m_layout();
    const TPanningMode mode = m_model.AllowPanning();
    bool panned = false;
    if (from.x() != to.x() && PansHorizontally(mode)) {
        for (AxisId id : {AxisId::Bottom, AxisId::Top})
            panned = PanAxis(m_model.Axis(id), layout.Axis(id), from.x(), to.x()) || panned;
    }
    if (from.y() != to.y() && PansVertically(mode)) {
        for (AxisId id : {AxisId::Left, AxisId::Right})
            panned = PanAxis(m_model.Axis(id), layout.Axis(id), from.y(), to.y()) || panned;
    }
    if (panned)
        emit Scrolled();
    return panned;
}

bool ChartNavigation::PanAxis(TCustomChartAxis &axis, const AxisLayout &layout, int from, int to) {
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

bool ChartNavigation::Scroll(int notches) {
    if (notches == 0)
        return false;
    // A reset undoes the wheel as it undoes a zoom or a pan.
    SaveScales();
    const ChartLayout layout = m_layout();
    // Turning the wheel toward the user (a negative delta) scrolls the values upward.
    for (AxisId id : {AxisId::Left, AxisId::Right}) {
        const AxisLayout &axis = layout.Axis(id);
        const double delta = -notches * kWheelScrollFraction * (axis.maximum - axis.minimum);
        m_model.Axis(id).SetMinMax(axis.minimum + delta, axis.maximum + delta);
    }
    return true;
}

bool ChartNavigation::Reset() {
    const bool restoring = m_saved.has_value();
    if (restoring) {
        for (std::size_t i = 0; i < kZoomAxes.size(); ++i)
            m_model.Axis(kZoomAxes[i]).SetRange((*m_saved)[i]);
        m_saved.reset();
    }
    emit ZoomUndone();
    m_zoomed = false;
    return restoring;
}

void ChartNavigation::ForgetSavedScales() {
    m_saved.reset();
    m_zoomed = false;
}

} // namespace kvr::chart
