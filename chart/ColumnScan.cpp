#include "ColumnScan.h"

#include "ValueExtremes.h"

#include <algorithm>
#include <cmath>

namespace kvr::chart {

namespace {

// The end of the run of points that share the pixel column of xs[from]: doubling steps,
// then halving, both relying on the mapping being monotone over regular values.
std::size_t RunEnd(std::span<const double> xs, std::size_t from, int column,
                   const PixelMapper &mapX) {
    std::size_t inside = from;
    std::size_t step = 1;
    std::size_t outside = xs.size();
    while (from + step < xs.size()) {
        if (mapX(xs[from + step]) != column) {
            outside = from + step;
            break;
        }
        inside = from + step;
        step *= 2;
    }
    while (outside - inside > 1) {
        const std::size_t middle = inside + (outside - inside) / 2;
        if (mapX(xs[middle]) == column)
            inside = middle;
        else
            outside = middle;
    }
    return outside;
}

// Whether a segment inside the run leaves the extreme pixel e that the run's last point
// also has: that is so when a point with pixel e comes before the trailing block of such
// points. Keys order the values so that those mapping onto e have the smallest keys;
// comparing keys against ones already mapped spares most of the mappings.
bool ExtremeLeft(std::span<const double> ys, double sign, int e, const PixelMapper &mapY) {
    std::size_t block = ys.size() - 1;
    double onE = sign * ys[block];
    while (block > 0) {
        const double key = sign * ys[block - 1];
        if (key > onE) {
            if (mapY(ys[block - 1]) != e)
                break;
            onE = key;
        }
        --block;
    }
    if (block == 0)
        return false;
    double offE = sign * ys[block - 1];
    for (std::size_t i = 0; i + 1 < block; ++i) {
        const double key = sign * ys[i];
        if (key <= onE)
            return true;
        if (key >= offE)
            continue;
        if (mapY(ys[i]) == e)
            return true;
        offE = key;
    }
    return false;
}

void AddRun(std::span<const double> ys, int column, const PixelMapper &mapY,
            ColumnReducer &reducer) {
    // A NaN takes no part in the comparisons, but sends the run the long way.
    const auto [lowest, highest, anyNaN] = FindExtremes(ys);
    if (anyNaN || !mapY.Regular(lowest) || !mapY.Regular(highest)) {
        for (double y : ys) {
            const int py = std::isfinite(y) ? mapY(y) : 0;
            if (std::isfinite(y) && Drawable(column, py))
                reducer.Add(column, py);
        }
        return;
    }
    const int entry = mapY(ys.front());
    const int exit = mapY(ys.back());
    const int atLowest = mapY(lowest);
    const int atHighest = mapY(highest);
    const int low = std::min(atLowest, atHighest);
    const int high = std::max(atLowest, atHighest);
    bool lowLeft = low != exit;
    bool highLeft = high != exit;
    if (low != high && exit == low)
        lowLeft = ExtremeLeft(ys, low == atLowest ? 1.0 : -1.0, low, mapY);
    else if (low != high && exit == high)
        highLeft = ExtremeLeft(ys, high == atLowest ? 1.0 : -1.0, high, mapY);
    reducer.AddRun(column, entry, exit, low, high, low != high && lowLeft, low != high && highLeft);
}

} // namespace

void AddMappedPoint(double x, double y, const PixelMapper &mapX, const PixelMapper &mapY,
                    ColumnReducer &reducer) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const int px = mapX(x);
    const int py = mapY(y);
    if (Drawable(px, py))
        reducer.Add(px, py);
}

void ScanColumns(std::span<const double> xs, std::span<const double> ys, const PixelMapper &mapX,
                 const PixelMapper &mapY, ColumnReducer &reducer) {
    for (std::size_t from = 0; from < xs.size();) {
        const int column = mapX(xs[from]);
        const std::size_t end = RunEnd(xs, from, column, mapX);
        AddRun(ys.subspan(from, end - from), column, mapY, reducer);
        from = end;
    }
}

void ReducePoints(const TChartValueList &xs, const TChartValueList &ys, int first, int last,
                  const PixelMapper &mapX, const PixelMapper &mapY, ColumnReducer &reducer) {
    // The ends stay with the exact rule: the last point may lie far beyond the plot.
    auto addOne = [&](int i) { AddMappedPoint(xs.ValueAt(i), ys.ValueAt(i), mapX, mapY, reducer); };
    if (first > last)
        return;
    addOne(first);
    const int from = first + 1;
    const int to = last;
    const bool scan = to - from > 1 && xs.Multiplier() == 1.0 && ys.Multiplier() == 1.0 &&
                      xs.StoredAscending() && mapX.Regular(xs.ValueAt(from)) &&
                      mapX.Regular(xs.ValueAt(to - 1));
    if (scan) {
        const auto count = std::size_t(to - from);
        ScanColumns(xs.StoredValues().subspan(std::size_t(from), count),
                    ys.StoredValues().subspan(std::size_t(from), count), mapX, mapY, reducer);
    } else {
        for (int i = from; i < to; ++i)
            addOne(i);
    }
    if (last > first)
        addOne(last);
}

} // namespace kvr::chart
