#include <kvrchart/ChartAxis.h>

#include "AxisSteps.h"
#include "ChartCanvas.h"

#include <algorithm>

namespace kvr::chart {

void AxisSteps::Draw(const TCustomChartAxis &self, ChartCanvas &canvas, const AxisLayout &layout,
                     const ChartRect &plot, TColor panelColor) {
    canvas.SetFont(self.m_labelsFont);
    DrawTitle(self, canvas, layout, panelColor);
    DrawLabels(self, canvas, layout, panelColor);
    DrawTicksAndGrid(self, canvas, layout, plot);
}

void AxisSteps::DrawTitle(const TCustomChartAxis &self, ChartCanvas &canvas,
                          const AxisLayout &layout, TColor panelColor) {
    if (self.m_title.Caption().isEmpty())
        return;
    canvas.SetFont(self.m_title.Font());
    canvas.SetBrush(panelColor, TBrushStyle::bsClear);
    canvas.SetBackOpaque(false);
    // The title fills the room taken for it, between its position and the plot's far side.
    const int angle = self.m_title.Angle();
    const int centre = layout.mapping.Centre();
    if (self.Horizontal()) {
        canvas.SetTextAlign(TextAlignH::Center,
                            self.OtherSide() ? TextAlignV::Bottom : TextAlignV::Top);
        canvas.TextOut(centre, layout.titlePos, self.m_title.Caption(), angle == 180 ? 180 : 0);
    } else if (angle == 90 || angle == 270) {
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Bottom);
        canvas.TextOut(layout.titlePos, centre, self.m_title.Caption(),
                       self.OtherSide() ? 270 : 90);
    } else {
        canvas.SetTextAlign(self.OtherSide() ? TextAlignH::Left : TextAlignH::Right,
                            TextAlignV::Top);
        canvas.TextOut(layout.titlePos, centre - canvas.FontHeight() / 2, self.m_title.Caption());
    }
}

void AxisSteps::DrawLabels(const TCustomChartAxis &self, ChartCanvas &canvas,
                           const AxisLayout &layout, TColor panelColor) {
    for (const AxisLabel &label : layout.labels) {
        canvas.SetFont(self.m_labelsFont);
        canvas.SetBrush(panelColor, TBrushStyle::bsClear);
        canvas.SetBackOpaque(false);
        PlaceLabel(self, canvas, layout, label);
    }
}

void AxisSteps::PlaceLabel(const TCustomChartAxis &self, ChartCanvas &canvas,
                           const AxisLayout &layout, const AxisLabel &label) {
    const QStringList lines = self.LabelLines(label.text);
    const int p = label.pixel;
    const int h = canvas.FontHeight();
    const int k = int(lines.size());
    switch (self.m_side) {
    case AxisId::Left:
    case AxisId::Right: {
        canvas.SetTextAlign(self.m_side == AxisId::Left ? TextAlignH::Right : TextAlignH::Left,
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

void AxisSteps::DrawTick(const TCustomChartAxis &self, ChartCanvas &canvas, int pos, int at,
                         int offset, int length) {
    // offset and length are signed away from the plot; inner ticks pass them negated.
    switch (self.m_side) {
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

void AxisSteps::DrawGridLine(const TCustomChartAxis &self, ChartCanvas &canvas,
                             const ChartRect &plot, int at) {
    if (self.Horizontal())
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

void AxisSteps::DrawTicksAndGrid(const TCustomChartAxis &self, ChartCanvas &canvas,
                                 const AxisLayout &layout, const ChartRect &plot) {
    const AxisMapping &m = layout.mapping;
    if (self.m_axisPen.Visible()) {
        canvas.ApplyPen(self.m_axisPen);
        if (self.Horizontal())
            canvas.HorizLine(m.start, m.end, layout.linePos);
        else
            canvas.VertLine(layout.linePos, m.start, m.end);
    }
    if (self.m_ticks.Visible()) {
        canvas.ApplyPen(self.m_ticks);
        for (int q : layout.ticks)
            DrawTick(self, canvas, layout.linePos, q, 1, self.m_tickLength);
    }
    if (self.m_grid.Visible())
        DrawGrid(self, canvas, layout, plot);
    if (self.m_ticksInner.Visible()) {
        canvas.ApplyPen(self.m_ticksInner);
        for (int q : layout.ticks)
            DrawTick(self, canvas, layout.linePos, q, -1, -self.m_tickInnerLength);
    }
    if (!layout.ticks.empty())
        DrawMinorTicksAndGrid(self, canvas, layout, plot);
}

void AxisSteps::DrawGrid(const TCustomChartAxis &self, ChartCanvas &canvas,
                         const AxisLayout &layout, const ChartRect &plot) {
    const std::vector<int> &ticks = layout.ticks;
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetBackOpaque(false);
    canvas.ApplyPen(self.m_grid);
    if (self.m_grid.Color() == clDefault)
        canvas.SetPenColor(clGray);
    if (self.m_gridCentered) {
        for (std::size_t i = 1; i < ticks.size(); ++i)
            DrawGridLine(self, canvas, plot, RoundEven((ticks[i] + ticks[i - 1]) * 0.5));
    } else {
        for (int q : ticks)
            DrawGridLine(self, canvas, plot, q);
    }
    canvas.SetBackOpaque(true);
}

void AxisSteps::DrawMinorTicksAndGrid(const TCustomChartAxis &self, ChartCanvas &canvas,
                                      const AxisLayout &layout, const ChartRect &plot) {
    const std::vector<int> minor = self.MinorTickPositions(layout);
    if (self.m_minorTicks.Visible()) {
        canvas.ApplyPen(self.m_minorTicks);
        for (int q : minor)
            DrawTick(self, canvas, layout.linePos, q, 1, self.m_minorTickLength);
    }
    if (self.m_minorGrid.Visible()) {
        canvas.ApplyPen(self.m_minorGrid);
        for (int q : minor)
            DrawGridLine(self, canvas, plot, q);
    }
}

} // namespace kvr::chart
