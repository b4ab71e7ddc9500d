#pragma once

#include <kvrchart/ChartTitle.h>

namespace kvr::chart {

class ChartCanvas;

// A title's layout and drawing on a canvas, inside the component.
class TitleSteps {
public:
    // Places the lines from the plot's top (title) or bottom (foot) edge inward and takes
    // their room off the plotting rectangle.
    static TitleLayout LayOut(const TChartTitle &self, ChartCanvas &canvas, ChartRect &plotRect);
    static void Draw(const TChartTitle &self, ChartCanvas &canvas, const TitleLayout &layout);
    static void DrawFrame(const TChartTitle &self, ChartCanvas &canvas, const ChartRect &text,
                          int widest);
};

} // namespace kvr::chart
