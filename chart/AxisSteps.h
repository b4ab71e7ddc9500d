#pragma once

#include <kvrchart/ChartAxis.h>

namespace kvr::chart {

class ChartCanvas;

// An axis' layout steps and drawing on a canvas, inside the component.
class AxisSteps {
public:
    // TCustomChartAxis
    // plot is PlotRect before the axes take their room; previousLength the axis length
    // of the drawing before, which measures the labels.
    static void TakeRoom(const TCustomChartAxis &self, ChartCanvas &canvas, ChartRect &rect,
                         const ChartRect &plot, int previousLength, AxisLayout &layout);
    static void ProduceLabels(const TCustomChartAxis &self, ChartCanvas &canvas,
                              AxisLayout &layout);
    static void Draw(const TCustomChartAxis &self, ChartCanvas &canvas, const AxisLayout &layout,
                     const ChartRect &plot, TColor panelColor);
    static double CalcLabelStep(const TCustomChartAxis &self, ChartCanvas &canvas,
                                const AxisMapping &mapping);
    static int LabelWidth(const TCustomChartAxis &self, ChartCanvas &canvas, const QString &text);
    static int LabelHeight(const TCustomChartAxis &self, ChartCanvas &canvas, const QString &text);
    static int WidestLabel(const TCustomChartAxis &self, ChartCanvas &canvas,
                           const AxisMapping &previous);
    static int WidestSeriesText(const TCustomChartAxis &self, ChartCanvas &canvas);
    // Drawing (ChartAxisDraw.cpp).
    static void DrawTitle(const TCustomChartAxis &self, ChartCanvas &canvas,
                          const AxisLayout &layout, TColor panelColor);
    static void DrawLabels(const TCustomChartAxis &self, ChartCanvas &canvas,
                           const AxisLayout &layout, TColor panelColor);
    static void PlaceLabel(const TCustomChartAxis &self, ChartCanvas &canvas,
                           const AxisLayout &layout, const AxisLabel &label);
    static void DrawTicksAndGrid(const TCustomChartAxis &self, ChartCanvas &canvas,
                                 const AxisLayout &layout, const ChartRect &plot);
    static void DrawGrid(const TCustomChartAxis &self, ChartCanvas &canvas,
                         const AxisLayout &layout, const ChartRect &plot);
    static void DrawMinorTicksAndGrid(const TCustomChartAxis &self, ChartCanvas &canvas,
                                      const AxisLayout &layout, const ChartRect &plot);
    static void DrawTick(const TCustomChartAxis &self, ChartCanvas &canvas, int linePos, int at,
                         int offset, int length);
    static void DrawGridLine(const TCustomChartAxis &self, ChartCanvas &canvas,
                             const ChartRect &plot, int at);
};

} // namespace kvr::chart
