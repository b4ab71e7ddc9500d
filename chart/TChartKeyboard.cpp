#include "TChart.h"

#include "ChartCanvas.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <vector>

namespace kvr::chart {

namespace {

// The frame runs just inside the bevel, well outside the plotting rectangle.
constexpr int kFocusFrameInset = 2;
constexpr int kPanStepsPerPlot = 10;
constexpr double kLargestZoomedValue = 1e100;

bool CameByKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// The window losing or regaining activation, or a menu opening, leaves the frame as it was.
bool KeepsFrame(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// Two neighbouring value labels that read alike or touch no longer tell values apart.
bool LabelsReadApart(TChart &chart, ChartCanvas &canvas, AxisId id) {
    TCustomChartAxis &axis = chart.Axis(id);
    const AxisLayout &layout = chart.Layout().Axis(id);
    if (!layout.shown || !axis.Labels())
        return true;
    const std::vector<AxisLabel> &labels = layout.labels;
    canvas.SetFont(axis.LabelsFont());
    for (std::size_t i = 1; i < labels.size(); ++i) {
        const AxisLabel &a = labels[i - 1];
        const AxisLabel &b = labels[i];
        const int room = std::abs(a.pixel - b.pixel);
        const int needed = axis.Horizontal()
                               ? (canvas.TextWidth(a.text) + canvas.TextWidth(b.text)) / 2 +
                                     canvas.TextWidth(QStringLiteral(" "))
                               : canvas.FontHeight();
        if (a.text == b.text || room < needed)
            return false;
    }
    return true;
}

// Lays the chart out with the ranges of `target` and then as it was: the zoom is worth
// making only while every axis's labels still read apart.
bool ZoomKeepsLabelsApart(TChart &chart, const ChartRect &target) {
    struct Scale {
        bool automatic, automaticMinimum, automaticMaximum;
        double minimum, maximum;
    };
    constexpr AxisId kIds[] = {AxisId::Bottom, AxisId::Top, AxisId::Left, AxisId::Right};
    std::array<Scale, std::size(kIds)> saved{};
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const TCustomChartAxis &a = chart.Axis(kIds[i]);
        saved[i] = {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(),
                    a.Maximum()};
    }
    for (AxisId id : kIds) {
        TCustomChartAxis &a = chart.Axis(id);
        if (a.Horizontal())
            a.SetMinMax(a.PixelToValue(target.Left), a.PixelToValue(target.Right));
        else
            a.SetMinMax(a.PixelToValue(target.Top), a.PixelToValue(target.Bottom));
    }
    chart.LayOut();
    QImage scratch(1, 1, QImage::Format_RGB32);
    ChartCanvas canvas(scratch, chart.palette());
    bool apart = true;
    for (AxisId id : kIds)
        apart = apart && LabelsReadApart(chart, canvas, id);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        TCustomChartAxis &a = chart.Axis(kIds[i]);
        if (!saved[i].automatic)
            a.SetMinMax(saved[i].minimum, saved[i].maximum);
        a.SetAutomatic(saved[i].automatic);
        a.SetAutomaticMinimum(saved[i].automaticMinimum);
        a.SetAutomaticMaximum(saved[i].automaticMaximum);
    }
    chart.LayOut();
    return apart;
}

} // namespace

void TChart::ZoomAroundCentre(bool zoomIn) {
    Picture(); // the pixel mapping of the current ranges
    const ChartRect plot = PlotRect();
    const int dx = zoomIn ? plot.Width() / 8 : -plot.Width() / 6;
    const int dy = zoomIn ? plot.Height() / 8 : -plot.Height() / 6;
    const ChartRect target{plot.Left + dx, plot.Top + dy, plot.Right - dx, plot.Bottom - dy};
    // Holding "-" down must not grow the ranges until they overflow.
    for (TCustomChartAxis *axis : ZoomAxes()) {
        const bool horizontal = axis->Horizontal();
        for (int pixel :
             {horizontal ? target.Left : target.Top, horizontal ? target.Right : target.Bottom})
            if (!(std::abs(axis->PixelToValue(pixel)) <= kLargestZoomedValue))
                return;
    }
    if (zoomIn && !ZoomKeepsLabelsApart(*this, target))
        return;
    ZoomRect(target);
    update();
}

void TChart::PanBySteps(int right, int down) {
    Picture();
    const int x = PlotXCenter();
    const int y = PlotYCenter();
    SaveScales();
    bool panned = false;
    if (right != 0 &&
        (m_allowPanning == TPanningMode::pmHorizontal || m_allowPanning == TPanningMode::pmBoth)) {
        const int step = right * std::max(1, PlotWidth() / kPanStepsPerPlot);
        for (TCustomChartAxis *axis : {&m_bottomAxis, &m_topAxis})
            panned = PanAxis(*axis, x + step, x) || panned;
    }
    if (down != 0 &&
        (m_allowPanning == TPanningMode::pmVertical || m_allowPanning == TPanningMode::pmBoth)) {
        const int step = down * std::max(1, PlotHeight() / kPanStepsPerPlot);
        for (TCustomChartAxis *axis : {&m_leftAxis, &m_rightAxis})
            panned = PanAxis(*axis, y + step, y) || panned;
    }
    if (panned)
        emit Scrolled();
}

QPixmap TChart::GrabPicture() {
    m_grabbing = true;
    const QPixmap picture = grab();
    m_grabbing = false;
    return picture;
}

bool TChart::FocusFrameShown() const { return m_focusVisible && hasFocus() && !m_grabbing; }

void TChart::DrawFocusFrame(ChartCanvas &canvas) {
    canvas.SetBrush(clWhite, TBrushStyle::bsClear);
    canvas.SetPen(clBlack, 1, TPenStyle::psDot);
    canvas.Rectangle({kFocusFrameInset, kFocusFrameInset, width() - kFocusFrameInset,
                      height() - kFocusFrameInset});
    canvas.SetPen(clBlack);
}

void TChart::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setPixmap(GrabPicture());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomAroundCentre(true);
        break;
    case Qt::Key_Minus:
        ZoomAroundCentre(false);
        break;
    case Qt::Key_Left:
        PanBySteps(-1, 0);
        break;
    case Qt::Key_Right:
        PanBySteps(1, 0);
        break;
    case Qt::Key_Up:
        PanBySteps(0, -1);
        break;
    case Qt::Key_Down:
        PanBySteps(0, 1);
        break;
    case Qt::Key_Home:
    case Qt::Key_Escape:
        UndoZoom();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_focusVisible = true;
    event->accept();
}

void TChart::focusInEvent(QFocusEvent *event) {
    QWidget::focusInEvent(event);
    if (!KeepsFrame(event->reason()))
        m_focusVisible = CameByKeyboard(event->reason());
    update();
}

void TChart::focusOutEvent(QFocusEvent *event) {
    QWidget::focusOutEvent(event);
    if (!KeepsFrame(event->reason()))
        m_focusVisible = false;
    update();
}

} // namespace kvr::chart
