#include "TChart.h"

#include "ChartCanvas.h"

namespace kvr::chart {

AxisId HorizontalAxisOf(const TChartSeries &series) {
    return series.HorizAxis() == THorizAxis::aTopAxis ? AxisId::Top : AxisId::Bottom;
}

AxisId VerticalAxisOf(const TChartSeries &series) {
    return series.VertAxis() == TVertAxis::aRightAxis ? AxisId::Right : AxisId::Left;
}

const ChartLayout &TChart::LayOut() {
    QImage scratch(1, 1, QImage::Format_RGB32);
    ChartCanvas canvas(scratch, palette());
    Keep(ComputeLayout(canvas, {{0, 0, width(), height()}, width(), height()}));
    return m_layout;
}

// The steps of Draw up to the back wall, in their order.
ChartLayout TChart::ComputeLayout(ChartCanvas &canvas, const PanelArea &panel) const {
    ChartLayout layout;
    layout.panel = panel;
    ChartRect plot = panel.Normalise(InitialPlotRect(panel.bounds, m_margins, m_borderWidth));
    LayOutTitlesAndLegend(canvas, layout, plot);
    LayOutAxes(canvas, layout, plot);
    layout.plotRect = plot;
    LayOutSeries(layout);
    return layout;
}

void TChart::LayOutTitlesAndLegend(ChartCanvas &canvas, ChartLayout &layout,
                                   ChartRect &plot) const {
    auto titles = [&] {
        layout.title = m_titleText.LayOut(canvas, plot);
        layout.foot = m_foot.LayOut(canvas, plot);
        plot = layout.panel.Normalise(plot);
    };
    if (!m_legend.Visible() || ActiveSeriesCount() == 0) {
        titles();
        return;
    }
    if (m_legend.Vertical()) {
        layout.legend = m_legend.LayOut(canvas, layout.panel, plot);
        titles();
        return;
    }
    titles();
    layout.legend = m_legend.LayOut(canvas, layout.panel, plot);
}

// The room of the value labels is measured with an axis length, which is known only once
// the room is taken. Starting from the lengths of the drawing before, the axes are laid out
// again with their own new lengths until these stay the same, so that the very first
// drawing, and the first one after a change, shows the picture every later drawing of that
// state shows. An unchanged state takes one round.
void TChart::LayOutAxes(ChartCanvas &canvas, ChartLayout &layout, ChartRect &plot) const {
    constexpr int kMaxRounds = 4;
    for (std::size_t i = 0; i < m_axes.size(); ++i)
        m_axes[i]->CalcWorkingRange(layout.axes[i]);
    const ChartRect before = layout.panel.Normalise(plot);
    std::array<int, kAxisCount> measured{};
    for (std::size_t i = 0; i < m_axes.size(); ++i)
        measured[i] = m_axes[i]->AxisLength();
    for (int round = 0; round < kMaxRounds; ++round) {
        plot = TakeAxesRoom(canvas, layout, before, measured);
        bool steady = true;
        for (std::size_t i = 0; i < m_axes.size(); ++i) {
            m_axes[i]->CalcPixelEnds(plot, layout.axes[i]);
            steady = steady && layout.axes[i].mapping.Length() == measured[i];
            measured[i] = layout.axes[i].mapping.Length();
        }
        if (steady)
            break;
    }
    for (AxisId id : {AxisId::Top, AxisId::Left, AxisId::Right, AxisId::Bottom})
        Axis(id).AdjustMarginsFromSeries(layout.Axis(id));
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        if (layout.axes[i].shown)
            m_axes[i]->ProduceLabels(canvas, layout.axes[i]);
    }
}

// Every shown axis in list order takes its room off its side of PlotRect.
ChartRect TChart::TakeAxesRoom(ChartCanvas &canvas, ChartLayout &layout, const ChartRect &plot,
                               const std::array<int, kAxisCount> &lengths) const {
    ChartRect r = plot;
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        AxisLayout &axis = layout.axes[i];
        axis.shown = m_axes[i]->IsShown(m_axisVisible);
        if (!axis.shown)
            continue;
        ChartRect t = r;
        m_axes[i]->TakeRoom(canvas, t, plot, lengths[i], axis);
        const ChartRect common = Intersect(t, r);
        if (!IsEmpty(common))
            r = common;
    }
    return layout.panel.Normalise(r);
}

void TChart::LayOutSeries(ChartLayout &layout) const {
    for (const TChartSeries *s : m_seriesList) {
        const PlotFrame frame{layout.Axis(HorizontalAxisOf(*s)).mapping,
                              layout.Axis(VerticalAxisOf(*s)).mapping, layout.plotRect};
        layout.series.push_back(s->Active() ? s->FindShownRange(frame) : frame);
    }
}

void TChart::Keep(const ChartLayout &layout) {
    m_layout = layout;
    for (std::size_t i = 0; i < m_axes.size(); ++i)
        m_axes[i]->KeepEnds(layout.axes[i]);
}

} // namespace kvr::chart
