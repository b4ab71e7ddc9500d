#include <kvrchart/ChartHitTest.h>

#include <kvrchart/ChartModel.h>

#include <algorithm>

namespace kvr::chart {

SeriesHit SeriesAt(const ChartModel &model, const ChartLayout &layout, int x, int y) {
    const std::vector<PlotFrame> &frames = layout.series;
    for (bool markers : {true, false}) {
        for (int i = std::min(model.SeriesCount(), int(frames.size())) - 1; i >= 0; --i) {
            const TChartSeries &s = model.Series(i);
            const PlotFrame &frame = frames[std::size_t(i)];
            if (!s.Active() || s.ShowsMarkers() != markers)
                continue;
            if (markers) {
                if (const int index = s.PointAt(frame, x, y); index >= 0)
                    return {&s, index, s.XValues().ValueAt(index), s.YValues().ValueAt(index)};
            } else if (s.NearLine(frame, x, y)) {
                const double value = frame.horizontal.PixelToValue(x);
                if (double lineValue = 0; s.LineValueAt(value, lineValue))
                    return {&s, -1, value, lineValue};
            }
        }
    }
    return {};
}

ChartPartKind PartAt(const ChartModel &model, const ChartLayout &layout, int x, int y) {
    const std::vector<PlotFrame> &frames = layout.series;
    for (int i = std::min(model.SeriesCount(), int(frames.size())) - 1; i >= 0; --i) {
        const TChartSeries &s = model.Series(i);
        if (s.Active() && s.PointAt(frames[std::size_t(i)], x, y) >= 0)
            return ChartPartKind::Series;
    }
    const auto axes = model.Axes();
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (axes[i]->HitRect(layout.axes[i]).Contains(x, y))
            return ChartPartKind::Axis;
    }
    if (model.Title().Visible() && layout.title.rect.Contains(x, y))
        return ChartPartKind::Title;
    if (model.Foot().Visible() && layout.foot.rect.Contains(x, y))
        return ChartPartKind::Foot;
    const bool active = model.ActiveSeriesCount() > 0;
    if (layout.plotRect.Contains(x, y) && active)
        return ChartPartKind::PlotArea;
    if (model.Legend().Contains(layout.legend, x, y) && active)
        return ChartPartKind::Legend;
    return ChartPartKind::None;
}

} // namespace kvr::chart
