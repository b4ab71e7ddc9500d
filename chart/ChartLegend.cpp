#include "ChartLegend.h"

#include "ChartCanvas.h"
#include "ChartException.h"
#include "TChart.h"

#include <algorithm>

using kvr::chart::MulDiv;
using kvr::chart::RoundEven;

TCustomChartLegend::TCustomChartLegend(TChart &chart) : m_chart(chart) {}

void TCustomChartLegend::SetLegendSink(ChangeSink *sink) {
    SetSink(sink);
    for (ChartPart *part :
         std::initializer_list<ChartPart *>{&m_brush, &m_frame, &m_dividingLines, &m_font})
        part->SetSink(sink);
}

void TCustomChartLegend::SetColorWidth(int value) {
    if (value < 0 || value > 100)
        throw ChartException("Legend Color Width must be between 0 and 100 %");
    Store(m_colorWidth, value);
}

void TCustomChartLegend::SetTopPos(int value) {
    if (value < 0 || value > 100)
        throw ChartException("Top Legend Position must be between 0 and 100 %");
    Store(m_topPos, value);
}

void TCustomChartLegend::SetFirstValue(int value) {
    if (value < 0)
        throw ChartException("First Legend Value must be > 0");
    Store(m_firstValue, value);
}

TLegendStyle TCustomChartLegend::EffectiveStyle() const {
    if (m_legendStyle != lsAuto)
        return m_legendStyle;
    return m_chart.ActiveSeriesCount() < 2 ? lsValues : lsSeries;
}

namespace {

const TChartSeries *FirstActiveSeries(const TChart &chart) {
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        if (chart.Series(i).Active())
            return &chart.Series(i);
    }
    return nullptr;
}

} // namespace

TChartSeries *TCustomChartLegend::LegendSeries(int index) const {
    int k = 0;
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        TChartSeries &s = m_chart.Series(i);
        if (s.Active() && s.ShowInLegend() && k++ == index)
            return &s;
    }
    return nullptr;
}

int TCustomChartLegend::ItemCount() const {
    int count = 0;
    if (EffectiveStyle() == lsValues) {
        const TChartSeries *first = FirstActiveSeries(m_chart);
        count = first && first->ShowInLegend() ? first->Count() : 0;
    } else {
        for (int i = 0; i < m_chart.SeriesCount(); ++i) {
            const TChartSeries &s = m_chart.Series(i);
            count += s.Active() && s.ShowInLegend() ? 1 : 0;
        }
    }
    return std::max(0, count - m_firstValue);
}

QString TCustomChartLegend::ItemText(int index) const {
    QString text;
    if (EffectiveStyle() == lsValues) {
        const TChartSeries *first = FirstActiveSeries(m_chart);
        if (first && index < first->Count()) {
            text = first->PointLabel(index);
            if (text.isEmpty())
                text = kvr::chart::AxisValueText(first->YValues().ValueAt(index),
                                                 m_chart.LabelLocale());
        }
    } else if (const TChartSeries *s = LegendSeries(index)) {
        text = !s->Title().isEmpty()  ? s->Title()
               : !s->Name().isEmpty() ? s->Name()
                                      : QStringLiteral("Series ") + QString::number(index);
    }
    if (m_chart.OnGetLegendText)
        m_chart.OnGetLegendText(m_chart, index, text);
    return text;
}

int TCustomChartLegend::WidestText(ChartCanvas &canvas, int count) const {
    int widest = 0;
    for (int i = m_firstValue; i < m_firstValue + count; ++i)
        widest = std::max(widest, canvas.TextWidth(ItemText(i)));
    return widest;
}

bool TCustomChartLegend::Contains(int x, int y) const {
    return m_visible && m_rowCount > 0 && m_legendRect.Contains(x, y);
}

void TCustomChartLegend::DrawLegend(ChartCanvas &canvas) {
    m_effectiveStyle = EffectiveStyle();
    m_chart.SetLegendColor(m_color);
    canvas.SetFont(m_font);
    const int h = canvas.FontHeight();
    m_itemCount = ItemCount();
    m_symbolWidth = RoundEven((WidestText(canvas, m_itemCount) + 4) * m_colorWidth * 0.01);
    const int widthBefore = m_chart.PlotWidth();
    const int heightBefore = m_chart.PlotHeight();
    const bool laidOut = Vertical() ? LayOutVertical(canvas, h) : LayOutHorizontal(canvas, h);
    if (m_chart.OnGetLegendRect)
        m_chart.OnGetLegendRect(m_chart, m_legendRect);
    if (!laidOut || m_rowCount < 1) {
        m_rowCount = 0;
        return;
    }
    DrawBackground(canvas);
    canvas.SetPen(m_color == clBlack ? clWhite : clBlack);
    DrawItems(canvas, h);
    ShrinkPlotRect();
    ChartRect plot = m_chart.PlotRect();
    switch (m_alignment) {
    case laRight:
        plot.Right -= m_horizMargin != 0 ? m_horizMargin : MulDiv(3, widthBefore, 100);
        break;
    case laLeft:
        plot.Left += m_horizMargin != 0 ? m_horizMargin : MulDiv(3, widthBefore, 100);
        break;
    case laTop:
        plot.Top += m_vertMargin != 0 ? m_vertMargin : MulDiv(4, heightBefore, 100);
        break;
    case laBottom:
        plot.Bottom -= m_vertMargin != 0 ? m_vertMargin : MulDiv(4, heightBefore, 100);
        break;
    }
    m_chart.SetPlotRect(plot);
}

bool TCustomChartLegend::LayOutVertical(ChartCanvas &canvas, int h) {
    const ChartRect bounds = m_chart.PanelBounds();
    const ChartRect plot = m_chart.PlotRect();
    const int fw = m_frame.Width();
    const int frameRoom = m_frame.Visible() ? fw + 1 : 0;
    m_columnCount = 1;
    m_legendRect.Top = bounds.Top + RoundEven(m_topPos * (bounds.Bottom - bounds.Top) * 0.01);
    if (m_legendRect.Top >= plot.Bottom || h <= 0)
        m_rowCount = 0;
    else
        m_rowCount =
            std::min(m_itemCount, (plot.Height() + plot.Top - 2 * fw - m_legendRect.Top) / h);
    m_rowCount = std::max(m_rowCount, 0);
    m_legendRect.Bottom = m_legendRect.Top + m_rowCount * h + 2;
    const int w = WidestText(canvas, m_rowCount);
    m_symbolWidth = RoundEven((w + 10) * m_colorWidth * 0.01);
    if (m_alignment == laRight) {
        m_legendRect.Right = plot.Right - frameRoom - m_shadowSize;
        m_textLeft = m_legendRect.Right - w - 2;
        m_legendRect.Left = m_textLeft - m_symbolWidth - 4 - 4;
    } else {
        m_legendRect.Left = plot.Left + frameRoom;
        m_textLeft = m_legendRect.Left + 4 + m_symbolWidth + 4;
        m_legendRect.Right = m_textLeft + w + 2;
    }
    m_columnWidth = 0;
    return true;
}

// Horizontal legends: items side by side, as many per row as fit across PlotRect, at most
// MaxNumRows rows, the box centred over the plot.
bool TCustomChartLegend::LayOutHorizontal(ChartCanvas &canvas, int h) {
    const ChartRect plot = m_chart.PlotRect();
    const int w = WidestText(canvas, m_itemCount);
    m_symbolWidth = RoundEven((w + 10) * m_colorWidth * 0.01);
    m_columnWidth = m_symbolWidth + 4 + 4 + w + 8;
    if (h <= 0 || m_itemCount == 0 || m_columnWidth <= 0) {
        m_rowCount = 0;
        return false;
    }
    m_columnCount = std::clamp(plot.Width() / m_columnWidth, 1, m_itemCount);
    m_rowCount =
        std::min((m_itemCount + m_columnCount - 1) / m_columnCount, std::max(m_maxNumRows, 1));
    const int width = m_columnCount * m_columnWidth + 2;
    const int height = m_rowCount * h + 2;
    m_legendRect.Left = (plot.Left + plot.Right - width) / 2;
    m_legendRect.Right = m_legendRect.Left + width;
    m_legendRect.Top = m_alignment == laTop ? plot.Top : plot.Bottom - height - m_shadowSize;
    m_legendRect.Bottom = m_legendRect.Top + height;
    m_textLeft = m_legendRect.Left + 4 + m_symbolWidth + 4;
    return true;
}

void TCustomChartLegend::DrawBackground(ChartCanvas &canvas) {
    ChartRect r = m_legendRect;
    canvas.ApplyPen(m_frame);
    const int fw = m_frame.Width();
    int farRight = r.Right + m_shadowSize - 1;
    int farBottom = r.Bottom + m_shadowSize - 1;
    if (m_frame.Visible()) {
        if (m_frame.Color() == clDefault)
            canvas.SetPenColor(clBlack);
        r = {r.Left - fw, r.Top - fw, r.Right + fw, r.Bottom + fw};
        farRight = m_legendRect.Right + m_shadowSize + fw + (fw - 1) / 2;
        farBottom = m_legendRect.Bottom + m_shadowSize + fw + (fw - 1) / 2;
    }
    if (m_shadowSize > 0) {
        canvas.SetBrush(m_shadowColor, bsSolid);
        canvas.SetBackOpaque(false);
        canvas.FillRect({m_legendRect.Left + m_shadowSize, m_legendRect.Top + m_shadowSize,
                         farRight, farBottom});
    }
    if (m_brush.Style() == bsSolid) {
        canvas.SetBrush(m_color, bsSolid);
        canvas.SetBackOpaque(false);
    } else {
        canvas.SetBrush(m_brush.Color() == clDefault ? clBlack : m_brush.Color(), m_brush.Style());
        canvas.SetBackOpaque(true);
        canvas.SetBackColor(m_color);
    }
    canvas.Rectangle(r);
    canvas.SetBackOpaque(false);
}

QPoint TCustomChartLegend::ItemPosition(int place, int h) const {
    if (Vertical())
        return {m_textLeft, m_legendRect.Top + 1 + place * h};
    const int row = place / m_columnCount;
    const int column = place % m_columnCount;
    return {m_textLeft + column * m_columnWidth, m_legendRect.Top + 1 + row * h};
}

void TCustomChartLegend::DrawItems(ChartCanvas &canvas, int h) {
    const int places = Vertical() ? m_rowCount : m_rowCount * m_columnCount;
    const int last = std::min(m_itemCount, places) + m_firstValue - 1;
    for (int i = m_firstValue; i <= last; ++i) {
        const int place = m_inverted ? last - i : i - m_firstValue;
        if (place >= m_itemCount)
            continue;
        QPoint at = ItemPosition(place, h);
        int x = at.x();
        int y = at.y();
        if (m_chart.OnGetLegendPos)
            m_chart.OnGetLegendPos(m_chart, i, x, y);
        DrawItem(canvas, i, x, y, h, place == 0);
    }
}

void TCustomChartLegend::DrawItem(ChartCanvas &canvas, int item, int x, int y, int h,
                                  bool firstRow) {
    const QString text = ItemText(item);
    if (text.isEmpty())
        return;
    canvas.SetBrushStyle(bsClear);
    canvas.SetFont(m_font);
    canvas.SetTextAlign(TextAlignH::Left, TextAlignV::Top);
    canvas.TextOut(x, y, text);
    DrawItemSymbol(canvas, item, {x - 4 - m_symbolWidth, y + 2, x - 4, y + h - 2});
    if (!firstRow && m_dividingLines.Visible() && Vertical()) {
        canvas.ApplyPen(m_dividingLines);
        canvas.SetBackOpaque(false);
        canvas.HorizLine(m_legendRect.Left, m_legendRect.Right, y);
    }
}

void TCustomChartLegend::DrawItemSymbol(ChartCanvas &canvas, int item, const ChartRect &box) {
    canvas.SetPen(m_color == clBlack ? clWhite : clBlack);
    if (m_effectiveStyle != lsValues) {
        if (TChartSeries *s = LegendSeries(item))
            s->PaintLegendSymbol(canvas, box);
        return;
    }
    const TChartSeries *first = FirstActiveSeries(m_chart);
    canvas.SetBrush(first ? first->PointColor(item) : clWhite, bsSolid);
    canvas.Rectangle(box);
}

void TCustomChartLegend::ShrinkPlotRect() {
    if (!m_resizeChart)
        return;
    ChartRect plot = m_chart.PlotRect();
    switch (m_alignment) {
    case laRight:
        plot.Right = m_legendRect.Left;
        break;
    case laLeft:
        plot.Left = m_legendRect.Right;
        break;
    case laTop:
        plot.Top = m_legendRect.Bottom + m_shadowSize;
        break;
    case laBottom:
        plot.Bottom = m_legendRect.Top;
        break;
    }
    m_chart.SetPlotRect(plot);
}
