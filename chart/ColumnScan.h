#pragma once

#include "ColumnReduction.h"
#include "PixelMapper.h"
#include <kvrchart/ChartValueList.h>

#include <span>

namespace kvr::chart {

// Feeds the points of a long line to the reducer a pixel column at a time, working on
// the values: a column's run of points is found by halving over the ascending X values,
// and its extremes are taken among the Y values before only they are mapped. The runs
// come out exactly as the points mapped one by one would give them.
// Precondition: xs is ascending and every X value is regular for mapX.
void ScanColumns(std::span<const double> xs, std::span<const double> ys, const PixelMapper &mapX,
                 const PixelMapper &mapY, ColumnReducer &reducer);

// One point mapped and passed to the reducer, unless the line series leaves it out.
void AddMappedPoint(double x, double y, const PixelMapper &mapX, const PixelMapper &mapY,
                    ColumnReducer &reducer);

// The points first … last of a line passed to the reducer as the line series draws
// them: undefined points and points too far off the plot are passed over. The points
// between the ends go by ScanColumns where their lists allow it.
void ReducePoints(const TChartValueList &xs, const TChartValueList &ys, int first, int last,
                  const PixelMapper &mapX, const PixelMapper &mapY, ColumnReducer &reducer);

// Whether the line series draws a point at these pixels: the platform's coordinates are
// 16-bit.
constexpr bool Drawable(int x, int y) {
    constexpr int kMaxDrawablePixel = 32767;
    return -kMaxDrawablePixel < x && x < kMaxDrawablePixel && -kMaxDrawablePixel < y &&
           y < kMaxDrawablePixel;
}

} // namespace kvr::chart
