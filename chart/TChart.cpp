#include <kvrchart/TChart.h>

#include "ChartCanvas.h"
#include "ChartDrawing.h"

#include <QEvent>
#include <QPainter>

namespace kvr::chart {

TChart::TChart(QWidget *parent) : QWidget(parent) {
    resize(400, 250);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (const TCustomChartAxis *axis : Axes())
        m_layout.Axis(axis->Side()).mapping.horizontal = axis->Horizontal();
    m_creating = false;
}

TChart::~TChart() = default;

QLocale TChart::LabelLocale() const {
    return testAttribute(Qt::WA_SetLocale) ? locale() : QLocale::system();
}

void TChart::Invalidate() {
    if (m_creating)
        return;
    m_layoutClean = false;
    // Only the first change after a drawing needs to ask for a repaint; later ones
    // find it pending, which keeps adding a million points cheap.
    if (m_bufferClean) {
        m_bufferClean = false;
        update();
    }
}

const ChartLayout &TChart::Layout() {
    const bool resized = m_layout.panel.width != width() || m_layout.panel.height != height();
    if (m_layoutClean && !resized)
        return m_layout;
    m_layout = LayOutChart(*this, size(), LengthsOf(m_layout));
    m_layoutClean = true;
    return m_layout;
}

void TChart::Draw(QImage &target, const QRect &rect) {
    if (target.isNull() || rect.isEmpty())
        return;
    ChartCanvas canvas(target, palette());
    const ChartRect bounds{rect.left(), rect.top(), rect.left() + rect.width(),
                           rect.top() + rect.height()};
    const bool whole = rect == QRect(QPoint(0, 0), size());
    if (whole)
        Layout();
    else
        m_layout = LayOutChart(*this, canvas, {bounds, width(), height()}, LengthsOf(m_layout));
    m_layoutClean = whole;
    DrawChart(*this, canvas, m_layout, m_drawListener);
}

// On a high-density screen the picture has as many pixels as the screen shows; the
// drawing keeps to logical pixels and the painter scales it, so text, lines and markers
// come out at full resolution.
const QImage &TChart::Picture() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (size().isEmpty() || (m_bufferClean && m_buffer.size() == pixels))
        return m_buffer;
    if (m_buffer.size() != pixels)
        m_buffer = QImage(pixels, QImage::Format_RGB32);
    m_buffer.setDevicePixelRatio(ratio);
    Layout();
    ChartCanvas canvas(m_buffer, palette());
    DrawChart(*this, canvas, m_layout, m_drawListener);
    m_bufferClean = true;
    return m_buffer;
}

QPixmap TChart::GrabPicture() {
    m_grabbing = true;
    const QPixmap picture = grab();
    m_grabbing = false;
    return picture;
}

// The palette resolves system colours and the locale writes the labels: either change
// alters the picture.
void TChart::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::LocaleChange)
        Invalidate();
}

// The buffer holds the picture without the overlay; during a drag the rectangle is drawn
// over a copy, so moving it never has to erase anything.
void TChart::paintEvent(QPaintEvent *) {
    const QImage &picture = Picture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (!m_overlayOwner || m_grabbing || !m_overlay->Shown()) {
        painter.drawImage(0, 0, picture);
        return;
    }
    QImage overlay = picture.copy();
    {
        ChartCanvas canvas(overlay, palette());
        m_overlay->Draw(canvas);
    }
    painter.drawImage(0, 0, overlay);
}

} // namespace kvr::chart
