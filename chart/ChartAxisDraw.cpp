#include <kvrchart/ChartAxis.h>

#include "ChartCanvas.h"

#include <algorithm>

namespace kvr::chart {

void TCustomChartAxis::Draw(ChartCanvas &canvas, const AxisLayout &layout, const ChartRect &plot,
                            TColor panelColor) const {
    canvas.SetFont(m_labelsFont);
    DrawTitle(canvas, layout, panelColor);
    DrawLabels(canvas, layout, panelColor);
    DrawTicksAndGrid(canvas, layout, plot);
}

void TCustomChartAxis::DrawTitle(ChartCanvas &canvas, const AxisLayout &layout,
                                 TColor panelColor) const {
    if (m_title.Caption().isEmpty())
        return;
    canvas.SetFont(m_title.Font());
    canvas.SetBrush(panelColor, TBrushStyle::bsClear);
    canvas.SetBackOpaque(false);
    // The title fills the room taken for it, between its position and the plot's far side.
    const int angle = m_title.Angle();
    const int centre = layout.mapping.Centre();
    if (Horizontal()) {
        canvas.SetTextAlign(TextAlignH::Center, OtherSide() ? TextAlignV::Bottom : TextAlignV::Top);
        canvas.TextOut(centre, layout.titlePos, m_title.Caption(), angle == 180 ? 180 : 0);
    } else if (angle == 90 || angle == 270) {
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Bottom);
        canvas.TextOut(layout.titlePos, centre, m_title.Caption(), OtherSide() ? 270 : 90);
    } else {
        canvas.SetTextAlign(OtherSide() ? TextAlignH::Left : TextAlignH::Right, TextAlignV::Top);
        canvas.TextOut(layout.titlePos, centre - canvas.FontHeight() / 2, m_title.Caption());
    }
}

void TCustomChartAxis::DrawLabels(ChartCanvas &canvas, const AxisLayout &layout,
                                  TColor panelColor) const {
    for (const AxisLabel &label : layout.labels) {
        canvas.SetFont(m_labelsFont);
        canvas.SetBrush(panelColor, TBrushStyle::bsClear);
        canvas.SetBackOpaque(false);
        PlaceLabel(canvas, layout, label);
    }
}

void TCustomChartAxis::PlaceLabel(ChartCanvas &canvas, const AxisLayout &layout,
                                  const AxisLabel &label) const {
    const QStringList lines = LabelLines(label.text);
    const int p = label.pixel;
    const int h = canvas.FontHeight();
    const int k = int(lines.size());
    switch (m_side) {
    case AxisId::Left:
    case AxisId::Right: {
        canvas.SetTextAlign(m_side == AxisId::Left ? TextAlignH::Right : TextAlignH::Left,
                            TextAlignV::Top);
        const int top = p - h / 2 - RoundEven(h * (k + 1) / 2.0) + h;
        for (int i = 0; i < k; ++i)
            canvas.TextOut(layout.labelsPos, top + i * h, lines[i]);
        break;
    }
    case AxisId::Bottom:
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Top);
        for (int i = 0; i < k; ++i)
            canvas.TextOut(p, layout.labelsPos + i * h, lines[i]);
        break;
    case AxisId::Top:
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Bottom);
        for (int i = 0; i < k; ++i)
            canvas.TextOut(p, layout.labelsPos - (k - 1 - i) * h, lines[i]);
        break;
    case AxisId::Depth:
        break;
    }
}

void TCustomChartAxis::DrawTick(ChartCanvas &canvas, int pos, int at, int offset,
                                int length) const {
    // offset and length are signed away from the plot; inner ticks pass them negated.
    switch (m_side) {
    case AxisId::Left:
        canvas.HorizLine(pos - offset, pos - offset - length, at);
        break;
    case AxisId::Right:
        canvas.HorizLine(pos + offset, pos + offset + length, at);
        break;
    case AxisId::Bottom:
        canvas.VertLine(at, pos + offset, pos + offset + length);
        break;
    case AxisId::Top:
        canvas.VertLine(at, pos - offset, pos - offset - length);
        break;
    case AxisId::Depth:
        break;
    }
}

void TCustomChartAxis::DrawGridLine(ChartCanvas &canvas, const ChartRect &plot, int at) const {
    if (Horizontal())
        canvas.VertLine(at, plot.Top, plot.Bottom);
    else
        canvas.HorizLine(plot.Left, plot.Right, at);
}

std::vector<int> TCustomChartAxis::MinorTickPositions(const AxisLayout &layout) const {
    std::vector<int> result;
    const std::vector<int> &ticks = layout.ticks;
    const int m = int(ticks.size());
    const int c = m_minorTickCount;
    if (m < 2 || m_logarithmic || c < 1)
        return result;
    auto add = [&](int q) {
        if (layout.mapping.start < q && q < layout.mapping.end)
            result.push_back(q);
    };
    const double outer = double(ticks[1] - ticks[0]) / (c + 1);
    for (int j = 1; j <= c; ++j) {
        add(ticks[0] - RoundEven(j * outer));
        add(ticks[std::size_t(m - 1)] + RoundEven(j * outer));
    }
    for (int i = 1; i < m; ++i) {
        const double part = double(ticks[std::size_t(i)] - ticks[std::size_t(i - 1)]) / (c + 1);
        for (int j = 1; j <= c; ++j)
            add(ticks[std::size_t(i)] - RoundEven(j * part));
    }
    return result;
}

void TCustomChartAxis::DrawTicksAndGrid(ChartCanvas &canvas, const AxisLayout &layout,
                                        const ChartRect &plot) const {
    const AxisMapping &m = layout.mapping;
    if (m_axisPen.Visible()) {
        canvas.ApplyPen(m_axisPen);
        if (Horizontal())
            canvas.HorizLine(m.start, m.end, layout.linePos);
        else
            canvas.VertLine(layout.linePos, m.start, m.end);
    }
    if (m_ticks.Visible()) {
        canvas.ApplyPen(m_ticks);
        for (int q : layout.ticks)
            DrawTick(canvas, layout.linePos, q, 1, m_tickLength);
    }
    if (m_grid.Visible())
        DrawGrid(canvas, layout, plot);
    if (m_ticksInner.Visible()) {
        canvas.ApplyPen(m_ticksInner);
        for (int q : layout.ticks)
            DrawTick(canvas, layout.linePos, q, -1, -m_tickInnerLength);
    }
    if (!layout.ticks.empty())
        DrawMinorTicksAndGrid(canvas, layout, plot);
}

void TCustomChartAxis::DrawGrid(ChartCanvas &canvas, const AxisLayout &layout,
                                const ChartRect &plot) const {
    const std::vector<int> &ticks = layout.ticks;
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetBackOpaque(false);
    canvas.ApplyPen(m_grid);
    if (m_grid.Color() == clDefault)
        canvas.SetPenColor(clGray);
    if (m_gridCentered) {
        for (std::size_t i = 1; i < ticks.size(); ++i)
            DrawGridLine(canvas, plot, RoundEven((ticks[i] + ticks[i - 1]) * 0.5));
    } else {
        for (int q : ticks)
            DrawGridLine(canvas, plot, q);
    }
    canvas.SetBackOpaque(true);
}

void TCustomChartAxis::DrawMinorTicksAndGrid(ChartCanvas &canvas, const AxisLayout &layout,
                                             const ChartRect &plot) const {
    const std::vector<int> minor = MinorTickPositions(layout);
    if (m_minorTicks.Visible()) {
        canvas.ApplyPen(m_minorTicks);
        for (int q : minor)
            DrawTick(canvas, layout.linePos, q, 1, m_minorTickLength);
    }
    if (m_minorGrid.Visible()) {
        canvas.ApplyPen(m_minorGrid);
        for (int q : minor)
            DrawGridLine(canvas, plot, q);
    }
}

} // namespace kvr::chart
