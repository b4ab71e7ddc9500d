#pragma once

#include <span>

namespace kvr::chart {

struct ValueExtremes {
    double lowest = 0.0;
    double highest = 0.0;
    bool anyNaN = false;
};

// The lowest and the highest of the values (not empty), unless anyNaN tells that a NaN
// spoilt them. Of equal values any may come out, so -0 and +0 are not told apart.
ValueExtremes FindExtremes(std::span<const double> values);

} // namespace kvr::chart
