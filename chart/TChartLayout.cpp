#include "TChart.h"

#include "ChartCanvas.h"

using kvr::chart::InitialPlotRect;
using kvr::chart::Intersect;
using kvr::chart::IsEmpty;

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

// The steps of Draw up to the back wall, in their order; what they compute goes into
// the layout, and the axes, legend and series keep their share for the mouse and readers.
ChartLayout TChart::ComputeLayout(ChartCanvas &canvas, const kvr::chart::PanelArea &panel) {
    ChartLayout layout;
    layout.panel = panel;
    layout.bevelRect = BevelRect(panel.bounds);
    for (TChartSeries *s : m_seriesList) {
        if (s->Active())
            s->BeforeDrawChart();
    }
    ChartRect plot = panel.Normalise(InitialPlotRect(panel.bounds, m_margins, m_borderWidth));
    LayOutTitlesAndLegend(canvas, layout, plot);
    LayOutAxes(canvas, layout, plot);
    layout.plotRect = plot;
    LayOutSeries(layout);
    return layout;
}

ChartRect TChart::BevelRect(const ChartRect &bounds) const {
    auto inset = [](ChartRect r, int by) {
        return ChartRect{r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
    };
    ChartRect r = bounds;
    if (m_bevelOuter != TPanelBevel::bvNone)
        r = inset(r, m_bevelWidth);
    r = inset(r, m_borderWidth);
    if (m_bevelInner != TPanelBevel::bvNone)
        r = inset(r, m_bevelWidth);
    return r;
}

void TChart::LayOutTitlesAndLegend(ChartCanvas &canvas, ChartLayout &layout, ChartRect &plot) {
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

void TChart::LayOutAxes(ChartCanvas &canvas, ChartLayout &layout, ChartRect &plot) {
    for (std::size_t i = 0; i < m_axes.size(); ++i)
        m_axes[i]->CalcWorkingRange(layout.axes[i]);
    plot = layout.panel.Normalise(plot);
    const ChartRect before = plot;
    ChartRect r = plot;
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        AxisLayout &axis = layout.axes[i];
        axis.shown = m_axes[i]->IsShown(m_axisVisible);
        if (!axis.shown)
            continue;
        ChartRect t = r;
        m_axes[i]->TakeRoom(canvas, t, before, m_axes[i]->AxisLength(), axis);
        const ChartRect common = Intersect(t, r);
        if (!IsEmpty(common))
            r = common;
    }
    plot = layout.panel.Normalise(r);
    for (std::size_t i = 0; i < m_axes.size(); ++i)
        m_axes[i]->CalcPixelEnds(plot, layout.axes[i]);
    for (AxisId id : {AxisId::Top, AxisId::Left, AxisId::Right, AxisId::Bottom})
        Axis(id).AdjustMarginsFromSeries(layout.Axis(id));
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        if (layout.axes[i].shown)
            m_axes[i]->ProduceLabels(canvas, layout.axes[i]);
    }
}

void TChart::LayOutSeries(const ChartLayout &layout) {
    for (TChartSeries *s : m_seriesList) {
        if (s->Active())
            s->FindShownRange({layout.Axis(HorizontalAxisOf(*s)).mapping,
                               layout.Axis(VerticalAxisOf(*s)).mapping, layout.plotRect});
    }
}

void TChart::Keep(const ChartLayout &layout) {
    m_layout = layout;
    for (std::size_t i = 0; i < m_axes.size(); ++i)
        m_axes[i]->Keep(layout.axes[i]);
    m_legend.Keep(layout.legend);
}
