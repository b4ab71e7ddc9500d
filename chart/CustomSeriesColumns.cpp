#include "ChartCanvas.h"
#include "ColumnScan.h"
#include "LinePath.h"
#include "SeriesSteps.h"
#include <kvrchart/LineSeries.h>

#include <algorithm>

namespace kvr::chart {

// With fewer points than a few per column there is little to gain.
constexpr int kPointsPerColumn = 4;

bool SeriesSteps::DrawsByColumns(const TCustomSeries &self, const PlotFrame &frame) {
    const int shown = frame.last - frame.first + 1;
    return shown > kPointsPerColumn * std::max(frame.plot.Width(), 1) && self.m_connectPoints &&
           !self.m_pointer.Visible() && !self.ColorEachPoint() && !self.HasPointColors() &&
           self.SeriesColor() != clNone && self.m_linePen.Visible() &&
           self.m_linePen.Style() == TPenStyle::psSolid &&
           self.m_linePen.Mode() == TPenMode::pmCopy && !self.m_linePen.SmallDots();
}

// Where the segment from the point left of the plot enters it, when PaintPoint draws one.
bool SeriesSteps::EdgeEntry(const TCustomSeries &self, const PlotFrame &frame,
                            const PixelMapper &mapY, int &x, int &y) {
    const int first = frame.first;
    if (first == 0 || !self.PointIsFinite(first) || !self.PointIsFinite(first - 1) ||
        !Drawable(frame.horizontal.ValueToPixel(self.XValues().ValueAt(first)),
                  mapY(self.YValues().ValueAt(first))))
        return false;
    x = frame.horizontal.inverted ? frame.plot.Right : frame.plot.Left;
    const double x0 = self.XValues().ValueAt(first - 1);
    const double x1 = self.XValues().ValueAt(first);
    const double y0 = self.YValues().ValueAt(first - 1);
    if (x1 == x0) {
        y = mapY(y0);
        return true;
    }
    const double xe = frame.horizontal.PixelToValue(x);
    const double y1 = self.YValues().ValueAt(first);
    y = mapY(y0 + (y1 - y0) * (xe - x0) / (x1 - x0));
    return true;
}

void SeriesSteps::DrawByColumns(const TCustomSeries &self, ChartCanvas &canvas,
                                const PlotFrame &frame) {
    const PixelMapper mapX(frame.horizontal);
    const PixelMapper mapY(frame.vertical);
    ColumnReducer reducer;
    int edgeX = 0;
    int edgeY = 0;
    if (EdgeEntry(self, frame, mapY, edgeX, edgeY))
        reducer.Add(edgeX, edgeY);
    ReducePoints(self.XValues(), self.YValues(), frame.first, frame.last, mapX, mapY, reducer);
    const std::vector<ColumnRun> runs = reducer.Finish();
    const TColor color = self.SeriesColor();
    canvas.SetBrushColor(color);
    canvas.ApplyPen(self.m_linePen);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenColor(color);
    DrawColumnRuns(canvas, runs);
}

} // namespace kvr::chart
