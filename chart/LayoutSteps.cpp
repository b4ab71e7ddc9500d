#include <kvrchart/ChartLayout.h>

#include "AxisSteps.h"
#include "ChartCanvas.h"
#include "ChartDrawing.h"
#include "LegendSteps.h"
#include "TitleSteps.h"
#include <kvrchart/ChartModel.h>

namespace kvr::chart {

namespace {

// The steps of a drawing up to the back wall, in their order, each filling its part of one
// layout.
class LayoutSteps {
public:
    LayoutSteps(const ChartModel &model, ChartCanvas &canvas, const PanelArea &panel)
        : m_model(model), m_canvas(canvas) {
        m_layout.panel = panel;
    }

    ChartLayout Run(const AxisLengths &previous, const AxisRanges &ranges) {
        const PanelArea &panel = m_layout.panel;
        ChartRect plot = panel.Normalise(
            InitialPlotRect(panel.bounds, m_model.Margins(), m_model.BorderWidth()));
        TitlesAndLegend(plot);
        Axes(plot, previous, ranges);
        m_layout.plotRect = plot;
        Series();
        return std::move(m_layout);
    }

private:
    void TitlesAndLegend(ChartRect &plot);
    void Axes(ChartRect &plot, const AxisLengths &previous, const AxisRanges &ranges);
    ChartRect TakeAxesRoom(const ChartRect &plot, const AxisLengths &lengths);
    void Series();

    const ChartModel &m_model;
    ChartCanvas &m_canvas;
    ChartLayout m_layout;
};

void LayoutSteps::TitlesAndLegend(ChartRect &plot) {
    const TChartLegend &legend = m_model.Legend();
    auto titles = [&] {
        m_layout.title = TitleSteps::LayOut(m_model.Title(), m_canvas, plot);
        m_layout.foot = TitleSteps::LayOut(m_model.Foot(), m_canvas, plot);
        plot = m_layout.panel.Normalise(plot);
    };
    if (!legend.Visible() || m_model.ActiveSeriesCount() == 0) {
        titles();
        return;
    }
    if (legend.Vertical()) {
        m_layout.legend = LegendSteps::LayOut(legend, m_canvas, m_layout.panel, plot);
        titles();
        return;
    }
    titles();
    m_layout.legend = LegendSteps::LayOut(legend, m_canvas, m_layout.panel, plot);
}

// The room of the value labels is measured with an axis length, which is known only once
// the room is taken. Starting from the lengths of the drawing before, the axes are laid out
// again with their own new lengths until these stay the same, so that the very first
// drawing, and the first one after a change, shows the picture every later drawing of that
// state shows. An unchanged state takes one round.
void LayoutSteps::Axes(ChartRect &plot, const AxisLengths &previous, const AxisRanges &ranges) {
    constexpr int kMaxRounds = 4;
    const auto axes = m_model.Axes();
    for (std::size_t i = 0; i < axes.size(); ++i)
        axes[i]->CalcWorkingRange(ranges[i].value_or(axes[i]->Range()), m_layout.axes[i]);
    const ChartRect before = m_layout.panel.Normalise(plot);
    AxisLengths measured = previous;
    for (int round = 0; round < kMaxRounds; ++round) {
        plot = TakeAxesRoom(before, measured);
        bool steady = true;
        for (std::size_t i = 0; i < axes.size(); ++i) {
            axes[i]->CalcPixelEnds(plot, m_layout.axes[i]);
            steady = steady && m_layout.axes[i].mapping.Length() == measured[i];
            measured[i] = m_layout.axes[i].mapping.Length();
        }
        if (steady)
            break;
    }
    for (AxisId id : {AxisId::Top, AxisId::Left, AxisId::Right, AxisId::Bottom})
        m_model.Axis(id).AdjustMarginsFromSeries(m_layout.Axis(id));
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (m_layout.axes[i].shown)
            AxisSteps::ProduceLabels(*axes[i], m_canvas, m_layout.axes[i]);
    }
}

// Every shown axis in list order takes its room off its side of PlotRect.
ChartRect LayoutSteps::TakeAxesRoom(const ChartRect &plot, const AxisLengths &lengths) {
    const auto axes = m_model.Axes();
    ChartRect r = plot;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        AxisLayout &axis = m_layout.axes[i];
        axis.shown = axes[i]->IsShown(m_model.AxisVisible());
        if (!axis.shown)
            continue;
        ChartRect t = r;
        AxisSteps::TakeRoom(*axes[i], m_canvas, t, plot, lengths[i], axis);
        const ChartRect common = Intersect(t, r);
        if (!IsEmpty(common))
            r = common;
    }
    return m_layout.panel.Normalise(r);
}

void LayoutSteps::Series() {
    for (const TChartSeries *s : m_model.SeriesList()) {
        const PlotFrame frame{m_layout.Axis(HorizontalAxisOf(*s)).mapping,
                              m_layout.Axis(VerticalAxisOf(*s)).mapping, m_layout.plotRect};
        m_layout.series.push_back(s->Active() ? s->FindShownRange(frame) : frame);
    }
}

} // namespace

AxisId HorizontalAxisOf(const TChartSeries &series) {
    return series.HorizAxis() == THorizAxis::aTopAxis ? AxisId::Top : AxisId::Bottom;
}

AxisId VerticalAxisOf(const TChartSeries &series) {
    return series.VertAxis() == TVertAxis::aRightAxis ? AxisId::Right : AxisId::Left;
}

AxisLengths LengthsOf(const ChartLayout &layout) {
    AxisLengths lengths{};
    for (std::size_t i = 0; i < lengths.size(); ++i)
        lengths[i] = layout.axes[i].mapping.Length();
    return lengths;
}

ChartLayout LayOutChart(const ChartModel &model, ChartCanvas &canvas, const PanelArea &panel,
                        const AxisLengths &previous, const AxisRanges &ranges) {
    return LayoutSteps(model, canvas, panel).Run(previous, ranges);
}

ChartLayout LayOutChart(const ChartModel &model, QSize size, const AxisLengths &previous,
                        const AxisRanges &ranges) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    ChartCanvas canvas(scratch, QPalette());
    const PanelArea panel{{0, 0, size.width(), size.height()}, size.width(), size.height()};
    return LayOutChart(model, canvas, panel, previous, ranges);
}

} // namespace kvr::chart
