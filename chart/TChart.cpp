#include "TChart.h"

#include "ChartCanvas.h"
#include "ZoomOutline.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

using kvr::chart::InitialPlotRect;
using kvr::chart::Intersect;
using kvr::chart::IsEmpty;
using kvr::chart::NormalisePlotRect;

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
    m_backWall.Brush().SetStyle(bsClear);
    m_leftWall.SetColor(0x80FFFF);
    m_bottomWall.SetColor(clWhite);
    for (TChartWall *wall : {&m_backWall, &m_leftWall, &m_bottomWall})
        wall->SetWallSink(this);
    m_titleText.SetTitleSink(this);
    m_foot.SetTitleSink(this);
    m_legend.SetLegendSink(this);
    m_bottomAxis = std::make_unique<TChartAxis>(*this, AxisSide::Bottom);
    m_topAxis = std::make_unique<TChartAxis>(*this, AxisSide::Top);
    m_leftAxis = std::make_unique<TChartAxis>(*this, AxisSide::Left);
    m_rightAxis = std::make_unique<TChartAxis>(*this, AxisSide::Right);
    m_depthAxis = std::make_unique<TChartDepthAxis>(*this);
    m_axes = {m_bottomAxis.get(), m_topAxis.get(), m_leftAxis.get(), m_rightAxis.get(),
              m_depthAxis.get()};
    for (TCustomChartAxis *axis : m_axes)
        axis->SetAxisSink(this);
    m_creating = false;
}

TChart::~TChart() = default;

void TChart::AdoptSeries(std::unique_ptr<TChartSeries> series) {
    if (auto *custom = dynamic_cast<TCustomSeries *>(series.get()))
        custom->SetCustomSink(this);
    else
        series->SetSeriesSink(this);
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
        m_backWall.Brush().SetStyle(bsSolid);
}

void TChart::SetPlotRect(const ChartRect &rect) {
    m_plotRect = NormalisePlotRect(rect, m_panelBounds, width(), height());
}

QLocale TChart::LabelLocale() const {
    return testAttribute(Qt::WA_SetLocale) ? locale() : QLocale::system();
}

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
    m_panelBounds = {rect.left(), rect.top(), rect.left() + rect.width(),
                     rect.top() + rect.height()};
    SetPlotRect(InitialPlotRect(m_panelBounds, m_margins, m_borderWidth));
    InternalDraw(canvas);
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
void TChart::InternalDraw(ChartCanvas &canvas) {
    DrawPanelBackground(canvas);
    for (const auto &s : m_series) {
        if (s->Active())
            s->BeforeDrawChart();
    }
    DrawTitlesAndLegend(canvas);
    LayOutAxes(canvas);
    for (TCustomChartAxis *axis : {m_axes[1], m_axes[2], m_axes[3], m_axes[0]})
        axis->AdjustMarginsFromSeries();
    DrawBackWall(canvas);
    if (OnBeforeDrawAxes)
        OnBeforeDrawAxes(*this);
    DrawAxes(canvas);
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(*this);
    DrawSeries(canvas);
    canvas.Reset();
    if (OnAfterDraw)
        OnAfterDraw(*this);
}

void TChart::DrawPanelBackground(ChartCanvas &canvas) {
    canvas.SetBrush(m_color, bsSolid);
    canvas.FillRect(m_panelBounds);
    ChartRect r = m_panelBounds;
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone)
            return;
        const bool raised = kind == bvRaised;
        r = canvas.BevelRings(r, raised ? clBtnHighlight : clBtnShadow,
                              raised ? clBtnShadow : clBtnHighlight, m_bevelWidth);
    };
    bevel(m_bevelOuter);
    r = canvas.BevelRings(r, m_color, m_color, m_borderWidth);
    bevel(m_bevelInner);
}

void TChart::DrawTitlesAndLegend(ChartCanvas &canvas) {
    ChartRect plot = m_plotRect;
    if (!m_legend.Visible() || ActiveSeriesCount() == 0) {
        m_titleText.Draw(canvas, plot);
        m_foot.Draw(canvas, plot);
        SetPlotRect(plot);
        return;
    }
    if (m_legend.Vertical()) {
        m_legend.DrawLegend(canvas);
        plot = m_plotRect;
        m_titleText.Draw(canvas, plot);
        m_foot.Draw(canvas, plot);
        SetPlotRect(plot);
        return;
    }
    m_titleText.Draw(canvas, plot);
    m_foot.Draw(canvas, plot);
    SetPlotRect(plot);
    m_legend.DrawLegend(canvas);
}

void TChart::LayOutAxes(ChartCanvas &canvas) {
    for (TCustomChartAxis *axis : m_axes)
        axis->CalcWorkingRange();
    SetPlotRect(m_plotRect);
    ChartRect r = m_plotRect;
    for (TCustomChartAxis *axis : m_axes) {
        if (!axis->IsShown())
            continue;
        ChartRect t = r;
        axis->TakeRoom(canvas, t);
        const ChartRect common = Intersect(t, r);
        if (!IsEmpty(common))
            r = common;
    }
    SetPlotRect(r);
    for (TCustomChartAxis *axis : m_axes)
        axis->CalcPixelEnds(m_plotRect);
}

void TChart::DrawBackWall(ChartCanvas &canvas) {
    canvas.ApplyPen(m_backWall.Pen());
    const TChartBrush &brush = m_backWall.Brush();
    const TColor color = m_backWall.Color();
    canvas.SetBackOpaque(false);
    if (!brush.Bitmap().isNull()) {
        canvas.SetBrushBitmap(brush.Bitmap());
    } else if (color == clDefault && brush.Style() == bsSolid) {
        canvas.SetBrush(clWhite, bsClear);
    } else {
        canvas.SetBrush(color, brush.Style());
        if (brush.Style() != bsSolid) {
            canvas.SetBackOpaque(true);
            canvas.SetBackColor(brush.Color());
            if (color == brush.Color())
                canvas.SetBrushColor(brush.Color() == clBlack ? clWhite : clBlack);
        }
    }
    canvas.Rectangle(
        {m_plotRect.Left, m_plotRect.Top, m_plotRect.Right + 1, m_plotRect.Bottom + 1});
    canvas.SetBrushBitmap(QImage());
    canvas.SetBackOpaque(false);
}

void TChart::DrawAxes(ChartCanvas &canvas) {
    if (!m_axisVisible)
        return;
    for (TCustomChartAxis *axis : m_axes) {
        if (axis->IsShown())
            axis->Draw(canvas);
    }
}

void TChart::DrawSeries(ChartCanvas &canvas) {
    for (const auto &s : m_series) {
        if (!s->Active())
            continue;
        s->FindShownRange();
        if (s->FirstShownIndex() < 0)
            continue;
        if (m_clipPoints)
            canvas.ClipRect(
                {m_plotRect.Left + 1, m_plotRect.Top + 1, m_plotRect.Right, m_plotRect.Bottom - 1});
        s->DrawShownPoints(canvas);
        canvas.UnClip();
    }
}

void TChart::DrawZoomRectangle(ChartCanvas &canvas) {
    TZoomPanningRecord r = m_zoom;
    r.Normalise();
    DrawZoomOutline(canvas, {r.X0, r.Y0, r.X1, r.Y1});
}
