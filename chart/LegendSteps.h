#pragma once

#include <kvrchart/ChartLegend.h>

namespace kvr::chart {

class ChartCanvas;

// The legend's layout and drawing on a canvas, inside the component.
class LegendSteps {
public:
    // TCustomChartLegend
    // The box, its rows and items; when it is shown, plotRect gives up its room.
    static LegendLayout LayOut(const TCustomChartLegend &self, ChartCanvas &canvas,
                               const PanelArea &panel, ChartRect &plotRect);
    static void Draw(const TCustomChartLegend &self, ChartCanvas &canvas,
                     const LegendLayout &layout, TColor panelColor);
    static int WidestText(const TCustomChartLegend &self, ChartCanvas &canvas, int count);
    static void LayOutVertical(const TCustomChartLegend &self, ChartCanvas &canvas,
                               const ChartRect &bounds, const ChartRect &plot, int itemCount,
                               LegendLayout &layout);
    static void LayOutHorizontal(const TCustomChartLegend &self, ChartCanvas &canvas,
                                 const ChartRect &plot, int itemCount, LegendLayout &layout);
    static void DrawBackground(const TCustomChartLegend &self, ChartCanvas &canvas,
                               const ChartRect &rect);
    static void DrawItem(const TCustomChartLegend &self, ChartCanvas &canvas,
                         const LegendLayout &layout, const LegendItem &item, TColor panelColor);
};

} // namespace kvr::chart
