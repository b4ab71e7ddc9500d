#include <kvrchart/ChartLegend.h>

#include "ChartCanvas.h"
#include "LegendSteps.h"
#include "SeriesSteps.h"
#include <kvrchart/ChartException.h>
#include <kvrchart/ChartLayout.h>

#include <algorithm>

namespace kvr::chart {

TCustomChartLegend::TCustomChartLegend() { Own({&m_brush, &m_frame, &m_dividingLines, &m_font}); }

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

std::span<const TChartSeries *const> TCustomChartLegend::AllSeries() const {
    const ChartHost *host = Host();
    return host ? host->SeriesList() : std::span<const TChartSeries *const>();
}

TLegendStyle TCustomChartLegend::EffectiveStyle() const {
    if (m_legendStyle != TLegendStyle::lsAuto)
        return m_legendStyle;
    const auto series = AllSeries();
    const auto active = std::count_if(series.begin(), series.end(),
                                      [](const TChartSeries *s) { return s->Active(); });
    return active < 2 ? TLegendStyle::lsValues : TLegendStyle::lsSeries;
}

const TChartSeries *TCustomChartLegend::FirstActiveSeries() const {
    for (const TChartSeries *s : AllSeries()) {
        if (s->Active())
            return s;
    }
    return nullptr;
}

const TChartSeries *TCustomChartLegend::LegendSeries(int index) const {
    int k = 0;
    for (const TChartSeries *s : AllSeries()) {
        if (s->Active() && s->ShowInLegend() && k++ == index)
            return s;
    }
    return nullptr;
}

int TCustomChartLegend::ItemCount() const {
    int count = 0;
    if (EffectiveStyle() == TLegendStyle::lsValues) {
        const TChartSeries *first = FirstActiveSeries();
        count = first && first->ShowInLegend() ? first->Count() : 0;
    } else {
        for (const TChartSeries *s : AllSeries())
            count += s->Active() && s->ShowInLegend() ? 1 : 0;
    }
    return std::max(0, count - m_firstValue);
}

QString TCustomChartLegend::ItemText(int index) const {
    QString text;
    if (EffectiveStyle() == TLegendStyle::lsValues) {
        const TChartSeries *first = FirstActiveSeries();
        if (first && index < first->Count()) {
            text = first->PointLabel(index);
            const ChartHost *host = Host();
            if (text.isEmpty())
                text = AxisValueText(first->YValues().ValueAt(index),
                                     host ? host->LabelLocale() : QLocale::system());
        }
    } else if (const TChartSeries *s = LegendSeries(index)) {
        text = !s->Title().isEmpty()  ? s->Title()
               : !s->Name().isEmpty() ? s->Name()
                                      : QStringLiteral("Series ") + QString::number(index);
    }
    if (m_adjustments.text)
        m_adjustments.text(index, text);
    return text;
}

int LegendSteps::WidestText(const TCustomChartLegend &self, ChartCanvas &canvas, int count) {
    int widest = 0;
    for (int i = self.m_firstValue; i < self.m_firstValue + count; ++i)
        widest = std::max(widest, canvas.TextWidth(self.ItemText(i)));
    return widest;
}

bool TCustomChartLegend::Contains(const LegendLayout &layout, int x, int y) const {
    return m_visible && layout.shown && layout.rect.Contains(x, y);
}

LegendLayout LegendSteps::LayOut(const TCustomChartLegend &self, ChartCanvas &canvas,
                                 const PanelArea &panel, ChartRect &plotRect) {
    LegendLayout layout;
    layout.style = self.EffectiveStyle();
    canvas.SetFont(self.m_font);
    layout.itemHeight = canvas.FontHeight();
    const int itemCount = self.ItemCount();
    layout.symbolWidth =
        RoundEven((WidestText(self, canvas, itemCount) + 4) * self.m_colorWidth * 0.01);
    if (self.Vertical())
        LayOutVertical(self, canvas, panel.bounds, plotRect, itemCount, layout);
    else
        LayOutHorizontal(self, canvas, plotRect, itemCount, layout);
    if (self.m_adjustments.box)
        self.m_adjustments.box(layout.rect);
    if (layout.rowCount < 1) {
        layout.rowCount = 0;
        return layout;
    }
    layout.shown = true;
    self.LayOutItems(itemCount, layout);
    plotRect = self.PlotRectBeside(layout, plotRect, panel);
    return layout;
}

void LegendSteps::LayOutVertical(const TCustomChartLegend &self, ChartCanvas &canvas,
                                 const ChartRect &bounds, const ChartRect &plot, int itemCount,
                                 LegendLayout &layout) {
    const int h = layout.itemHeight;
    const int fw = self.m_frame.Width();
    const int frameRoom = self.m_frame.Visible() ? fw + 1 : 0;
    ChartRect &r = layout.rect;
    layout.columnCount = 1;
    r.Top = bounds.Top + RoundEven(self.m_topPos * (bounds.Bottom - bounds.Top) * 0.01);
    if (r.Top >= plot.Bottom || h <= 0)
        layout.rowCount = 0;
    else
        layout.rowCount = std::min(itemCount, (plot.Height() + plot.Top - 2 * fw - r.Top) / h);
    layout.rowCount = std::max(layout.rowCount, 0);
    r.Bottom = r.Top + layout.rowCount * h + 2;
    const int w = WidestText(self, canvas, layout.rowCount);
    layout.symbolWidth = RoundEven((w + 10) * self.m_colorWidth * 0.01);
    if (self.m_alignment == TLegendAlignment::laRight) {
        r.Right = plot.Right - frameRoom - self.m_shadowSize;
        layout.textLeft = r.Right - w - 2;
        r.Left = layout.textLeft - layout.symbolWidth - 4 - 4;
    } else {
        r.Left = plot.Left + frameRoom;
        layout.textLeft = r.Left + 4 + layout.symbolWidth + 4;
        r.Right = layout.textLeft + w + 2;
    }
    layout.columnWidth = 0;
}

// Horizontal legends: items side by side, as many per row as fit across PlotRect, at most
// MaxNumRows rows, the box centred over the plot.
void LegendSteps::LayOutHorizontal(const TCustomChartLegend &self, ChartCanvas &canvas,
                                   const ChartRect &plot, int itemCount, LegendLayout &layout) {
    const int h = layout.itemHeight;
    const int w = WidestText(self, canvas, itemCount);
    layout.symbolWidth = RoundEven((w + 10) * self.m_colorWidth * 0.01);
    layout.columnWidth = layout.symbolWidth + 4 + 4 + w + 8;
    if (h <= 0 || itemCount == 0 || layout.columnWidth <= 0) {
        layout.rowCount = 0;
        return;
    }
    layout.columnCount = std::clamp(plot.Width() / layout.columnWidth, 1, itemCount);
    layout.rowCount = std::min((itemCount + layout.columnCount - 1) / layout.columnCount,
                               std::max(self.m_maxNumRows, 1));
    const int width = layout.columnCount * layout.columnWidth + 2;
    const int height = layout.rowCount * h + 2;
    ChartRect &r = layout.rect;
    r.Left = (plot.Left + plot.Right - width) / 2;
    r.Right = r.Left + width;
    r.Top = self.m_alignment == TLegendAlignment::laTop ? plot.Top
                                                        : plot.Bottom - height - self.m_shadowSize;
    r.Bottom = r.Top + height;
    layout.textLeft = r.Left + 4 + layout.symbolWidth + 4;
}

void TCustomChartLegend::LayOutItems(int itemCount, LegendLayout &layout) const {
    const int places = Vertical() ? layout.rowCount : layout.rowCount * layout.columnCount;
    const int last = std::min(itemCount, places) + m_firstValue - 1;
    const TChartSeries *first = FirstActiveSeries();
    for (int i = m_firstValue; i <= last; ++i) {
        const int place = m_inverted ? last - i : i - m_firstValue;
        if (place >= itemCount)
            continue;
        const int row = Vertical() ? place : place / layout.columnCount;
        const int column = Vertical() ? 0 : place % layout.columnCount;
        LegendItem item;
        item.index = i;
        item.x = layout.textLeft + column * layout.columnWidth;
        item.y = layout.rect.Top + 1 + row * layout.itemHeight;
        if (m_adjustments.position)
            m_adjustments.position(i, item.x, item.y);
        item.text = ItemText(i);
        item.firstRow = place == 0;
        if (layout.style != TLegendStyle::lsValues)
            item.series = LegendSeries(i);
        else
            item.pointColor = first ? first->PointColor(i) : clWhite;
        layout.items.push_back(item);
    }
}

ChartRect TCustomChartLegend::PlotRectBeside(const LegendLayout &layout, const ChartRect &plot,
                                             const PanelArea &panel) const {
    const ChartRect &box = layout.rect;
    ChartRect r = plot;
    if (m_resizeChart) {
        switch (m_alignment) {
        case TLegendAlignment::laRight:
            r.Right = box.Left;
            break;
        case TLegendAlignment::laLeft:
            r.Left = box.Right;
            break;
        case TLegendAlignment::laTop:
            r.Top = box.Bottom + m_shadowSize;
            break;
        case TLegendAlignment::laBottom:
            r.Bottom = box.Top;
            break;
        }
        r = panel.Normalise(r);
    }
    // The gap follows the plot's size before the legend took its room.
    switch (m_alignment) {
    case TLegendAlignment::laRight:
        r.Right -= m_horizMargin != 0 ? m_horizMargin : MulDiv(3, plot.Width(), 100);
        break;
    case TLegendAlignment::laLeft:
        r.Left += m_horizMargin != 0 ? m_horizMargin : MulDiv(3, plot.Width(), 100);
        break;
    case TLegendAlignment::laTop:
        r.Top += m_vertMargin != 0 ? m_vertMargin : MulDiv(4, plot.Height(), 100);
        break;
    case TLegendAlignment::laBottom:
        r.Bottom -= m_vertMargin != 0 ? m_vertMargin : MulDiv(4, plot.Height(), 100);
        break;
    }
    return panel.Normalise(r);
}

void LegendSteps::Draw(const TCustomChartLegend &self, ChartCanvas &canvas,
                       const LegendLayout &layout, TColor panelColor) {
    if (!layout.shown)
        return;
    DrawBackground(self, canvas, layout.rect);
    canvas.SetPen(self.m_color == clBlack ? clWhite : clBlack);
    for (const LegendItem &item : layout.items)
        DrawItem(self, canvas, layout, item, panelColor);
}

void LegendSteps::DrawBackground(const TCustomChartLegend &self, ChartCanvas &canvas,
                                 const ChartRect &box) {
    ChartRect r = box;
    canvas.ApplyPen(self.m_frame);
    const int fw = self.m_frame.Width();
    int farRight = r.Right + self.m_shadowSize - 1;
    int farBottom = r.Bottom + self.m_shadowSize - 1;
    if (self.m_frame.Visible()) {
        if (self.m_frame.Color() == clDefault)
            canvas.SetPenColor(clBlack);
        r = {r.Left - fw, r.Top - fw, r.Right + fw, r.Bottom + fw};
        farRight = box.Right + self.m_shadowSize + fw + (fw - 1) / 2;
        farBottom = box.Bottom + self.m_shadowSize + fw + (fw - 1) / 2;
    }
    if (self.m_shadowSize > 0) {
        canvas.SetBrush(self.m_shadowColor, TBrushStyle::bsSolid);
        canvas.SetBackOpaque(false);
        canvas.FillRect(
            {box.Left + self.m_shadowSize, box.Top + self.m_shadowSize, farRight, farBottom});
    }
    if (self.m_brush.Style() == TBrushStyle::bsSolid) {
        canvas.SetBrush(self.m_color, TBrushStyle::bsSolid);
        canvas.SetBackOpaque(false);
    } else {
        canvas.SetBrush(self.m_brush.Color() == clDefault ? clBlack : self.m_brush.Color(),
                        self.m_brush.Style());
        canvas.SetBackOpaque(true);
        canvas.SetBackColor(self.m_color);
    }
    canvas.Rectangle(r);
    canvas.SetBackOpaque(false);
}

void LegendSteps::DrawItem(const TCustomChartLegend &self, ChartCanvas &canvas,
                           const LegendLayout &layout, const LegendItem &item, TColor panelColor) {
    if (item.text.isEmpty())
        return;
    const int x = item.x;
    const int y = item.y;
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetFont(self.m_font);
    canvas.SetTextAlign(TextAlignH::Left, TextAlignV::Top);
    canvas.TextOut(x, y, item.text);
    const ChartRect box{x - 4 - layout.symbolWidth, y + 2, x - 4, y + layout.itemHeight - 2};
    canvas.SetPen(self.m_color == clBlack ? clWhite : clBlack);
    if (layout.style != TLegendStyle::lsValues) {
        if (item.series)
            SeriesSteps::PaintLegendSymbol(*item.series, canvas, box, self.m_color, panelColor);
    } else {
        canvas.SetBrush(item.pointColor, TBrushStyle::bsSolid);
        canvas.Rectangle(box);
    }
    if (!item.firstRow && self.m_dividingLines.Visible() && self.Vertical()) {
        canvas.ApplyPen(self.m_dividingLines);
        canvas.SetBackOpaque(false);
        canvas.HorizLine(layout.rect.Left, layout.rect.Right, y);
    }
}

} // namespace kvr::chart
