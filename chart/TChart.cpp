#include <kvrchart/TChart.h>

#include "ChartCanvas.h"
#include "ChartDrawing.h"

#include <QEvent>
#include <QPainter>

namespace kvr::chart {

TChart::TChart(QWidget *parent) : TChart(std::make_shared<ChartModel>(), parent) {}

TChart::TChart(std::shared_ptr<ChartModel> model, QWidget *parent)
    : QWidget(parent), m_model(std::move(model)) {
    resize(400, 250);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (const TCustomChartAxis *axis : m_model->Axes())
        m_layout.Axis(axis->Side()).mapping.horizontal = axis->Horizontal();
    m_model->AddView(this);
}

TChart::~TChart() { m_model->RemoveView(this); }

std::optional<QLocale> TChart::OwnLocale() const {
    if (testAttribute(Qt::WA_SetLocale))
        return locale();
    return std::nullopt;
}

void TChart::Invalidate() {
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
    m_layout = LayOutChart(*m_model, size(), LengthsOf(m_layout));
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
        m_layout = LayOutChart(*m_model, canvas, {bounds, width(), height()}, LengthsOf(m_layout));
    m_layoutClean = whole;
    DrawChart(*m_model, canvas, m_layout, m_drawListener);
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
    DrawChart(*m_model, canvas, m_layout, m_drawListener);
    m_bufferClean = true;
    return m_buffer;
}

QPixmap TChart::GrabPicture() {
    m_grabbing = true;
    const QPixmap picture = grab();
    m_grabbing = false;
    return picture;
}

// The palette resolves this view's system colours; the locale writes the labels of every
// view of the model.
void TChart::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Invalidate();
    else if (event->type() == QEvent::LocaleChange)
        m_model->Invalidate();
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
    m_overlay->Draw(overlay, palette());
    painter.drawImage(0, 0, overlay);
}

} // namespace kvr::chart
