#include "TChart.h"

#include "ChartCanvas.h"
#include "ZoomOutline.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kvr::chart {

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

TChart::TChart(QWidget *parent) : QWidget(parent) {
    resize(400, 250);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_backWall.Brush().SetStyle(TBrushStyle::bsClear);
    m_leftWall.SetColor(0x80FFFF);
    m_bottomWall.SetColor(clWhite);
    m_axes = {&m_bottomAxis, &m_topAxis, &m_leftAxis, &m_rightAxis, &m_depthAxis};
    for (ChartPart *part : std::initializer_list<ChartPart *>{
             &m_backWall, &m_leftWall, &m_bottomWall, &m_titleText, &m_foot, &m_legend})
        part->AttachTo(this);
    for (TCustomChartAxis *axis : m_axes) {
        axis->AttachTo(this);
        m_layout.Axis(axis->Side()).mapping.horizontal = axis->Horizontal();
    }
    m_creating = false;
}

TChart::~TChart() = default;

void TChart::AdoptSeries(std::unique_ptr<TChartSeries> series) {
    series->AttachTo(this);
    m_seriesList.push_back(series.get());
    m_series.push_back(std::move(series));
    Invalidate();
}

int TChart::ActiveSeriesCount() const {
    int count = 0;
    for (const auto &s : m_series)
        count += s->Active() ? 1 : 0;
    return count;
}

void TChart::SetChart3DPercent(int value) {
    if (value < 1 || value > 100)
        throw ChartException("3D effect percent must be between 1 and 100");
    StoreProperty(m_chart3DPercent, value);
}

void TChart::SetBackColor(TColor value) {
    m_backWall.SetColor(value);
    if (parentWidget() && !m_loading)
        m_backWall.Brush().SetStyle(TBrushStyle::bsSolid);
}

QLocale TChart::LabelLocale() const {
    return testAttribute(Qt::WA_SetLocale) ? locale() : QLocale::system();
}

void TChart::RaiseLegendText(int index, QString &text) { emit LegendTextRequested(index, &text); }

void TChart::RaiseLegendPosition(int index, int &x, int &y) {
    emit LegendPositionRequested(index, &x, &y);
}

void TChart::RaiseLegendRect(ChartRect &rect) { emit LegendRectRequested(&rect); }

void TChart::Invalidate() {
    if (m_creating)
        return;
    // Only the first change after a drawing needs to ask for a repaint; later ones
    // find it pending, which keeps adding a million points cheap.
    if (m_bufferClean) {
        m_bufferClean = false;
        update();
    }
}

void TChart::Draw(QImage &target, const QRect &rect) {
    if (target.isNull() || rect.isEmpty())
        return;
    ChartCanvas canvas(target, palette());
    const ChartRect bounds{rect.left(), rect.top(), rect.left() + rect.width(),
                           rect.top() + rect.height()};
    for (TChartSeries *s : m_seriesList) {
        if (s->Active())
            s->BeforeDrawChart();
    }
    const ChartLayout layout = ComputeLayout(canvas, {bounds, width(), height()});
    Keep(layout);
    InternalDraw(canvas, layout);
}

void TChart::Render(QPainter &painter) {
    ChartCanvas canvas(painter, size(), palette());
    InternalDraw(canvas, ComputeLayout(canvas, {{0, 0, width(), height()}, width(), height()}));
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
    Draw(m_buffer, QRect(QPoint(0, 0), size()));
    m_bufferClean = true;
    return m_buffer;
}

// The buffer holds the picture without the zoom rectangle; during a drag the rectangle is
// drawn over a copy, so moving it never has to erase anything.
// The palette resolves system colours and the locale writes the labels: either change
// alters the picture.
void TChart::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::LocaleChange)
        Invalidate();
}

void TChart::paintEvent(QPaintEvent *) {
    const QImage &picture = Picture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (!m_zoom.Active && !FocusFrameShown()) {
        painter.drawImage(0, 0, picture);
        return;
    }
    QImage overlay = picture.copy();
    {
        ChartCanvas canvas(overlay, palette());
        if (m_zoom.Active)
            DrawZoomRectangle(canvas);
        if (FocusFrameShown())
            DrawFocusFrame(canvas);
    }
    painter.drawImage(0, 0, overlay);
}

void TChart::InternalDraw(ChartCanvas &canvas, const ChartLayout &layout) {
    DrawPanelBackground(canvas, layout);
    const bool legendFirst = m_legend.Vertical();
    if (legendFirst)
        m_legend.Draw(canvas, layout.legend, m_color);
    m_titleText.Draw(canvas, layout.title);
    m_foot.Draw(canvas, layout.foot);
    if (!legendFirst)
        m_legend.Draw(canvas, layout.legend, m_color);
    DrawBackWall(canvas, layout.plotRect);
    emit BeforeDrawAxes();
    DrawAxes(canvas, layout);
    emit BeforeDrawSeries();
    DrawSeries(canvas, layout);
    canvas.Reset();
    emit AfterDraw();
}

void TChart::DrawPanelBackground(ChartCanvas &canvas, const ChartLayout &layout) {
    canvas.SetBrush(m_color, TBrushStyle::bsSolid);
    canvas.FillRect(layout.panel.bounds);
    ChartRect r = layout.panel.bounds;
    auto bevel = [&](TPanelBevel kind) {
        if (kind == TPanelBevel::bvNone)
            return;
        const bool raised = kind == TPanelBevel::bvRaised;
        r = canvas.BevelRings(r, raised ? clBtnHighlight : clBtnShadow,
                              raised ? clBtnShadow : clBtnHighlight, m_bevelWidth);
    };
    bevel(m_bevelOuter);
    r = canvas.BevelRings(r, m_color, m_color, m_borderWidth);
    bevel(m_bevelInner);
}

void TChart::DrawBackWall(ChartCanvas &canvas, const ChartRect &plot) {
    canvas.ApplyPen(m_backWall.Pen());
    const TChartBrush &brush = m_backWall.Brush();
    const TColor color = m_backWall.Color();
    canvas.SetBackOpaque(false);
    if (!brush.Bitmap().isNull()) {
        canvas.SetBrushBitmap(brush.Bitmap());
    } else if (color == clDefault && brush.Style() == TBrushStyle::bsSolid) {
        canvas.SetBrush(clWhite, TBrushStyle::bsClear);
    } else {
        canvas.SetBrush(color, brush.Style());
        if (brush.Style() != TBrushStyle::bsSolid) {
            canvas.SetBackOpaque(true);
            canvas.SetBackColor(brush.Color());
            if (color == brush.Color())
                canvas.SetBrushColor(brush.Color() == clBlack ? clWhite : clBlack);
        }
    }
    canvas.Rectangle({plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1});
    canvas.SetBrushBitmap(QImage());
    canvas.SetBackOpaque(false);
}

void TChart::DrawAxes(ChartCanvas &canvas, const ChartLayout &layout) {
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        if (layout.axes[i].shown)
            m_axes[i]->Draw(canvas, layout.axes[i], layout.plotRect, m_color);
    }
}

void TChart::DrawSeries(ChartCanvas &canvas, const ChartLayout &layout) {
    const ChartRect &plot = layout.plotRect;
    for (std::size_t i = 0; i < m_seriesList.size(); ++i) {
        TChartSeries *s = m_seriesList[i];
        const PlotFrame &frame = layout.series[i];
        if (!s->Active() || frame.first < 0)
            continue;
        if (m_clipPoints)
            canvas.ClipRect({plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1});
        s->Draw(canvas, frame);
        canvas.UnClip();
    }
}

void TChart::DrawZoomRectangle(ChartCanvas &canvas) {
    TZoomPanningRecord r = m_zoom;
    r.Normalise();
    DrawZoomOutline(canvas, {r.X0, r.Y0, r.X1, r.Y1});
}

} // namespace kvr::chart
