#pragma once

namespace kvr::chart {

// A rectangle in the chart's own convention: right and bottom are coordinates, not sizes.
struct ChartRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const ChartRect &) const = default;
};

struct ChartMargins {
    int Left = 3;
    int Top = 4;
    int Right = 3;
    int Bottom = 4;
};

// a·b/c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// The plotting rectangle before titles, legend and axes take their room.
ChartRect InitialPlotRect(const ChartRect &panelBounds, const ChartMargins &percent,
                          int borderWidth);

// Keeps the rectangle inside the panel's top-left and never empty.
ChartRect NormalisePlotRect(ChartRect rect, const ChartRect &panelBounds, int panelWidth,
                            int panelHeight);

// The panel one picture is drawn in.
struct PanelArea {
    ChartRect bounds;
    int width = 0;
    int height = 0;

    // PlotRect after every change: inside the panel's top-left, never empty.
    ChartRect Normalise(const ChartRect &rect) const {
        return NormalisePlotRect(rect, bounds, width, height);
    }
};

// The common part of two rectangles; empty when Right <= Left or Bottom <= Top.
ChartRect Intersect(const ChartRect &a, const ChartRect &b);
bool IsEmpty(const ChartRect &r);

// Nearest integer, halves to the even neighbour.
int RoundEven(double value);

} // namespace kvr::chart
