#include <kvrchart/ChartAxis.h>

#include "AxisSteps.h"
#include "ChartCanvas.h"
#include <kvrchart/ChartSeries.h>

#include <cmath>

namespace kvr::chart {

int TCustomChartAxis::LinePosition(const ChartRect &plot) const {
    switch (m_side) {
    case AxisId::Left:
        return plot.Left + LabelsShift(plot);
    case AxisId::Bottom:
        return plot.Bottom + LabelsShift(plot);
    case AxisId::Right:
        return plot.Right + LabelsShift(plot);
    case AxisId::Top:
        return plot.Top + LabelsShift(plot);
    case AxisId::Depth:
        break;
    }
    return 0;
}

// The labels and ticks of this drawing, from its final ends and range.
void AxisSteps::ProduceLabels(const TCustomChartAxis &self, ChartCanvas &canvas,
                              AxisLayout &layout) {
    layout.labels.clear();
    layout.ticks.clear();
    canvas.SetFont(self.m_labelsFont);
    const double step = CalcLabelStep(self, canvas, layout.mapping);
    if (!(step > 0.0) || layout.mapping.maximum < layout.mapping.minimum)
        return;
    switch (self.EffectiveLabelStyle()) {
    case TAxisLabelStyle::talValue:
        self.ProduceValueLabels(step, layout);
        break;
    case TAxisLabelStyle::talMark:
    case TAxisLabelStyle::talText:
        self.ProduceTextLabels(layout);
        break;
    case TAxisLabelStyle::talAuto:
    case TAxisLabelStyle::talNone:
        break;
    }
}

void TCustomChartAxis::ProduceValueLabels(double step, AxisLayout &layout) const {
    for (double v :
         LabelValues(layout.mapping.minimum, layout.mapping.maximum, step, m_roundFirstLabel))
        AddLabel(v, QString(), layout);
}

void TCustomChartAxis::ProduceTextLabels(AxisLayout &layout) const {
    for (const TChartSeries *series : AllSeries()) {
        const TChartSeries &s = *series;
        if (!s.Active() || !IsAssociated(s) || !s.HasPointLabels())
            continue;
        for (int p = 0; p < s.Count(); ++p) {
            const double value = Horizontal() ? s.XValues().ValueAt(p) : s.YValues().ValueAt(p);
            const QString text = s.PointLabel(p);
            if (!text.isEmpty() && std::isfinite(value) && value >= layout.mapping.minimum &&
                value <= layout.mapping.maximum)
                AddLabel(value, text, layout);
        }
        return;
    }
}

void TCustomChartAxis::AddLabel(double value, const QString &text, AxisLayout &layout) const {
    const int p = layout.mapping.ValueToPixel(value);
    if (!m_labelsOnAxis && !(layout.mapping.start < p && p < layout.mapping.end))
        return;
    // The list holds a fixed number of positions; further ones are dropped.
    auto addTick = [&] {
        if (int(layout.ticks.size()) < kTickCapacity)
            layout.ticks.push_back(p);
    };
    if (!m_tickOnLabelsOnly)
        addTick();
    if (!m_labels)
        return;
    if (m_tickOnLabelsOnly)
        addTick();
    layout.labels.push_back({p, text.isEmpty() ? LabelText(value) : text});
}

} // namespace kvr::chart
