#include "ChartCanvas.h"
#include "ColumnScan.h"
#include "LinePath.h"
#include <kvrchart/LineSeries.h>

#include <algorithm>

namespace kvr::chart {

// With fewer points than a few per column there is little to gain.
constexpr int kPointsPerColumn = 4;

bool TCustomSeries::DrawsByColumns(const PlotFrame &frame) const {
    const int shown = frame.last - frame.first + 1;
    return shown > kPointsPerColumn * std::max(frame.plot.Width(), 1) && m_connectPoints &&
           !m_pointer.Visible() && !ColorEachPoint() && !HasPointColors() &&
           SeriesColor() != clNone && m_linePen.Visible() &&
           m_linePen.Style() == TPenStyle::psSolid && m_linePen.Mode() == TPenMode::pmCopy &&
           !m_linePen.SmallDots();
}

// Where the segment from the point left of the plot enters it, when PaintPoint draws one.
bool TCustomSeries::EdgeEntry(const PlotFrame &frame, const PixelMapper &mapY, int &x,
                              int &y) const {
    const int first = frame.first;
    if (first == 0 || !PointIsFinite(first) || !PointIsFinite(first - 1) ||
        !Drawable(frame.horizontal.ValueToPixel(XValues().ValueAt(first)),
                  mapY(YValues().ValueAt(first))))
        return false;
    x = frame.horizontal.inverted ? frame.plot.Right : frame.plot.Left;
    const double x0 = XValues().ValueAt(first - 1);
    const double x1 = XValues().ValueAt(first);
    const double y0 = YValues().ValueAt(first - 1);
    if (x1 == x0) {
        y = mapY(y0);
        return true;
    }
    const double xe = frame.horizontal.PixelToValue(x);
    const double y1 = YValues().ValueAt(first);
    y = mapY(y0 + (y1 - y0) * (xe - x0) / (x1 - x0));
    return true;
}

void TCustomSeries::DrawByColumns(ChartCanvas &canvas, const PlotFrame &frame) const {
    const PixelMapper mapX(frame.horizontal);
    const PixelMapper mapY(frame.vertical);
    ColumnReducer reducer;
    int edgeX = 0;
    int edgeY = 0;
    if (EdgeEntry(frame, mapY, edgeX, edgeY))
        reducer.Add(edgeX, edgeY);
    ReducePoints(XValues(), YValues(), frame.first, frame.last, mapX, mapY, reducer);
    const std::vector<ColumnRun> runs = reducer.Finish();
    const TColor color = SeriesColor();
    canvas.SetBrushColor(color);
    canvas.ApplyPen(m_linePen);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenColor(color);
    DrawColumnRuns(canvas, runs);
}

} // namespace kvr::chart
