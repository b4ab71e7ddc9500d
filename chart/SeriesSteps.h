#pragma once

#include <kvrchart/LineSeries.h>

#include <QLine>

#include <vector>

namespace kvr::chart {

class ChartCanvas;
class PixelMapper;

// A series' drawing on a canvas and its legend symbol, inside the component.
class SeriesSteps {
public:
    // Draws the frame's shown range; the chart clips to the plot around it.
    static void Draw(const TChartSeries &self, ChartCanvas &canvas, const PlotFrame &frame);
    // legendColor is the legend's background, panelColor the chart's.
    static void PaintLegendSymbol(const TChartSeries &self, ChartCanvas &canvas,
                                  const ChartRect &rect, TColor legendColor, TColor panelColor);

private:
    // Where a drawing has got to: the last point drawn and the colour of the last one
    // passed. Each drawing keeps its own, so the series stays as it was.
    struct DrawPosition {
        int x = 0;
        int y = 0;
        TColor color = 0;
        // Whether a point was drawn earlier in this drawing, so x and y are its own.
        bool valid = false;
        // Without markers nothing is drawn between two segments: those of one colour wait
        // here to be stroked together.
        std::vector<QLine> strokes;
        TColor strokeColor = clNone;
    };

    // The steps a series kind changes: a line or point series draws its points and a
    // marker as its symbol, a line series prepares its legend box; the others draw nothing.
    static void DrawShownPoints(const TChartSeries &self, ChartCanvas &canvas,
                                const PlotFrame &frame);
    static void PrepareLegendCanvas(const TChartSeries &self, ChartCanvas &canvas,
                                    TColor &backColor, TBrushStyle &brushStyle);
    static void PaintLegendShape(const TChartSeries &self, ChartCanvas &canvas,
                                 const ChartRect &rect, TColor color, TColor legendColor);
    static void PaintLegendBox(ChartCanvas &canvas, const ChartRect &rect, TColor legendColor);

    static void PaintMarker(const TCustomSeries &self, ChartCanvas &canvas, int x, int y,
                            TColor color, int index);
    static void DrawCustomPoints(const TCustomSeries &self, ChartCanvas &canvas,
                                 const PlotFrame &frame);
    static void PaintCustomLegendShape(const TCustomSeries &self, ChartCanvas &canvas,
                                       const ChartRect &rect, TColor color, TColor legendColor);
    static void PaintPoint(const TCustomSeries &self, ChartCanvas &canvas, const PlotFrame &frame,
                           const PixelMapper &mapX, const PixelMapper &mapY, int index,
                           DrawPosition &at);
    // A long line of one colour and a plain pen is drawn a pixel column at a time; the
    // pixels are those of drawing every segment (CustomSeriesColumns.cpp).
    static bool DrawsByColumns(const TCustomSeries &self, const PlotFrame &frame);
    static void DrawByColumns(const TCustomSeries &self, ChartCanvas &canvas,
                              const PlotFrame &frame);
    static bool EdgeEntry(const TCustomSeries &self, const PlotFrame &frame,
                          const PixelMapper &mapY, int &x, int &y);
    static void EnterFromLeftEdge(const TCustomSeries &self, ChartCanvas &canvas,
                                  const PlotFrame &frame, int index, TColor color, int x, int y,
                                  DrawPosition &at);
    static void Connect(const TCustomSeries &self, ChartCanvas &canvas, int index, TColor color,
                        int x, int y, bool markers, bool last, DrawPosition &at);
    static void DrawLine(const TCustomSeries &self, ChartCanvas &canvas, TColor color, int x0,
                         int y0, int x1, int y1);
    static void StrokeTo(const TCustomSeries &self, ChartCanvas &canvas, TColor color, int x, int y,
                         DrawPosition &at);
    static void FlushStrokes(const TCustomSeries &self, ChartCanvas &canvas, DrawPosition &at);
    static void PrepareLineLegendCanvas(const TLineSeries &self, ChartCanvas &canvas,
                                        TColor &backColor, TBrushStyle &brushStyle);
};

} // namespace kvr::chart
