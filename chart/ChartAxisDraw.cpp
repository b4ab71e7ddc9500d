#include "ChartAxis.h"

#include "ChartCanvas.h"
#include "TChart.h"

#include <algorithm>
#include <cmath>

using kvr::chart::RoundEven;

int TCustomChartAxis::LinePosition(const ChartRect &plot) const {
    switch (m_side) {
    case AxisSide::Left:
        return plot.Left + LabelsShift();
    case AxisSide::Bottom:
        return plot.Bottom + LabelsShift();
    case AxisSide::Right:
        return plot.Right + LabelsShift();
    case AxisSide::Top:
        return plot.Top + LabelsShift();
    case AxisSide::Depth:
        break;
    }
    return 0;
}

void TCustomChartAxis::Draw(ChartCanvas &canvas) {
    canvas.SetFont(m_labelsFont);
    const double step = CalcLabelStep(canvas, m_mapping.Length());
    m_linePos = LinePosition(m_chart.PlotRect());
    DrawTitle(canvas);
    m_tickCount = 0;
    if (step > 0.0 && !(WorkingMaximum() < WorkingMinimum()))
        ProduceLabels(canvas, step);
    DrawTicksAndGrid(canvas);
}

void TCustomChartAxis::DrawTitle(ChartCanvas &canvas) {
    if (m_title.Caption().isEmpty())
        return;
    canvas.SetFont(m_title.Font());
    canvas.SetBrush(m_chart.Color(), bsClear);
    canvas.SetBackOpaque(false);
    // The title fills the room taken for it, between its position and the plot's far side.
    const int angle = m_title.Angle();
    if (Horizontal()) {
        canvas.SetTextAlign(TextAlignH::Center, OtherSide() ? TextAlignV::Bottom : TextAlignV::Top);
        canvas.TextOut(m_mapping.Centre(), m_titlePos, m_title.Caption(), angle == 180 ? 180 : 0);
    } else if (angle == 90 || angle == 270) {
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Bottom);
        canvas.TextOut(m_titlePos, m_mapping.Centre(), m_title.Caption(), OtherSide() ? 270 : 90);
    } else {
        canvas.SetTextAlign(OtherSide() ? TextAlignH::Left : TextAlignH::Right, TextAlignV::Top);
        canvas.TextOut(m_titlePos, m_mapping.Centre() - canvas.FontHeight() / 2, m_title.Caption());
    }
}

void TCustomChartAxis::ProduceLabels(ChartCanvas &canvas, double step) {
    switch (EffectiveLabelStyle()) {
    case talValue:
        ProduceValueLabels(canvas, step);
        break;
    case talMark:
    case talText:
        ProduceTextLabels(canvas);
        break;
    case talAuto:
    case talNone:
        break;
    }
}

void TCustomChartAxis::ProduceValueLabels(ChartCanvas &canvas, double step) {
    for (double v :
         kvr::chart::LabelValues(WorkingMinimum(), WorkingMaximum(), step, m_roundFirstLabel))
        DrawLabelAt(canvas, v, QString());
}

void TCustomChartAxis::ProduceTextLabels(ChartCanvas &canvas) {
    for (int i = 0; i < m_chart.SeriesCount(); ++i) {
        const TChartSeries &s = m_chart.Series(i);
        if (!s.Active() || !IsAssociated(s) || !s.HasPointLabels())
            continue;
        for (int p = 0; p < s.Count(); ++p) {
            const double value = Horizontal() ? s.XValues().ValueAt(p) : s.YValues().ValueAt(p);
            const QString text = s.PointLabel(p);
            if (!text.isEmpty() && std::isfinite(value) && value >= WorkingMinimum() &&
                value <= WorkingMaximum())
                DrawLabelAt(canvas, value, text);
        }
        return;
    }
}

void TCustomChartAxis::DrawLabelAt(ChartCanvas &canvas, double value, const QString &text) {
    const int p = ValueToPixel(value);
    if (!m_labelsOnAxis && !(m_mapping.start < p && p < m_mapping.end))
        return;
    if (!m_tickOnLabelsOnly)
        AddTick(p);
    if (!m_labels)
        return;
    const QString label = text.isEmpty() ? LabelText(value) : text;
    if (m_tickOnLabelsOnly)
        AddTick(p);
    canvas.SetFont(m_labelsFont);
    canvas.SetBrush(m_chart.Color(), bsClear);
    canvas.SetBackOpaque(false);
    PlaceLabel(canvas, p, label);
}

void TCustomChartAxis::PlaceLabel(ChartCanvas &canvas, int p, const QString &text) {
    const QStringList lines = LabelLines(text);
    const int h = canvas.FontHeight();
    const int k = int(lines.size());
    switch (m_side) {
    case AxisSide::Left:
    case AxisSide::Right: {
        canvas.SetTextAlign(m_side == AxisSide::Left ? TextAlignH::Right : TextAlignH::Left,
                            TextAlignV::Top);
        const int top = p - h / 2 - RoundEven(h * (k + 1) / 2.0) + h;
        for (int i = 0; i < k; ++i)
            canvas.TextOut(m_labelsPos, top + i * h, lines[i]);
        break;
    }
    case AxisSide::Bottom:
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Top);
        for (int i = 0; i < k; ++i)
            canvas.TextOut(p, m_labelsPos + i * h, lines[i]);
        break;
    case AxisSide::Top:
        canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Bottom);
        for (int i = 0; i < k; ++i)
            canvas.TextOut(p, m_labelsPos - (k - 1 - i) * h, lines[i]);
        break;
    case AxisSide::Depth:
        break;
    }
}

void TCustomChartAxis::AddTick(int pixel) {
    // The list holds a fixed number of positions; further ones are dropped.
    if (m_tickCount < kTickCapacity)
        m_tickList[std::size_t(m_tickCount++)] = pixel;
}

void TCustomChartAxis::DrawTick(ChartCanvas &canvas, int at, int offset, int length) {
    // offset and length are signed away from the plot; inner ticks pass them negated.
    const int pos = m_linePos;
    switch (m_side) {
    case AxisSide::Left:
        canvas.HorizLine(pos - offset, pos - offset - length, at);
        break;
    case AxisSide::Right:
        canvas.HorizLine(pos + offset, pos + offset + length, at);
        break;
    case AxisSide::Bottom:
        canvas.VertLine(at, pos + offset, pos + offset + length);
        break;
    case AxisSide::Top:
        canvas.VertLine(at, pos - offset, pos - offset - length);
        break;
    case AxisSide::Depth:
        break;
    }
}

void TCustomChartAxis::DrawGridLine(ChartCanvas &canvas, int at) {
    const ChartRect plot = m_chart.PlotRect();
    if (Horizontal())
        canvas.VertLine(at, plot.Top, plot.Bottom);
    else
        canvas.HorizLine(plot.Left, plot.Right, at);
}

std::vector<int> TCustomChartAxis::MinorTickPositions() const {
    std::vector<int> result;
    const auto ticks = TickList();
    const int m = int(ticks.size());
    const int c = m_minorTickCount;
    if (m < 2 || m_logarithmic || c < 1)
        return result;
    auto add = [&](int q) {
        if (m_mapping.start < q && q < m_mapping.end)
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

void TCustomChartAxis::DrawTicksAndGrid(ChartCanvas &canvas) {
    const auto ticks = TickList();
    if (m_axisPen.Visible()) {
        canvas.ApplyPen(m_axisPen);
        if (Horizontal())
            canvas.HorizLine(m_mapping.start, m_mapping.end, m_linePos);
        else
            canvas.VertLine(m_linePos, m_mapping.start, m_mapping.end);
    }
    if (m_ticks.Visible()) {
        canvas.ApplyPen(m_ticks);
        for (int q : ticks)
            DrawTick(canvas, q, 1, m_tickLength);
    }
    if (m_grid.Visible())
        DrawGrid(canvas);
    if (m_ticksInner.Visible()) {
        canvas.ApplyPen(m_ticksInner);
        for (int q : ticks)
            DrawTick(canvas, q, -1, -m_tickInnerLength);
    }
    if (!ticks.empty())
        DrawMinorTicksAndGrid(canvas);
}

void TCustomChartAxis::DrawGrid(ChartCanvas &canvas) {
    const auto ticks = TickList();
    canvas.SetBrushStyle(bsClear);
    canvas.SetBackOpaque(false);
    canvas.ApplyPen(m_grid);
    if (m_grid.Color() == clDefault)
        canvas.SetPenColor(clGray);
    if (m_gridCentered) {
        for (std::size_t i = 1; i < ticks.size(); ++i)
            DrawGridLine(canvas, RoundEven((ticks[i] + ticks[i - 1]) * 0.5));
    } else {
        for (int q : ticks)
            DrawGridLine(canvas, q);
    }
    canvas.SetBackOpaque(true);
}

void TCustomChartAxis::DrawMinorTicksAndGrid(ChartCanvas &canvas) {
    const std::vector<int> minor = MinorTickPositions();
    if (m_minorTicks.Visible()) {
        canvas.ApplyPen(m_minorTicks);
        for (int q : minor)
            DrawTick(canvas, q, 1, m_minorTickLength);
    }
    if (m_minorGrid.Visible()) {
        canvas.ApplyPen(m_minorGrid);
        for (int q : minor)
            DrawGridLine(canvas, q);
    }
}
