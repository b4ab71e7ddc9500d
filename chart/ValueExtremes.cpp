#include "ValueExtremes.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kvr::chart {

namespace {

// What is left after the wide lanes, one value at a time.
void TakeRest(std::span<const double> values, double &low, double &high, bool &nan) {
    for (const double v : values) {
        low = v < low ? v : low;
        high = v > high ? v : high;
        nan = nan || v != v;
    }
}

} // namespace

#ifdef __SSE2__

// Values a round in pairs of lanes, so that no comparison waits for the one before it.
// minpd(v, low) is exactly v < low ? v : low, a NaN keeping the lane's value.
constexpr int kPairs = 4;
constexpr int kLanes = 2 * kPairs;

ValueExtremes FindExtremes(std::span<const double> values) {
    const double start = values[0] == values[0] ? values[0] : 0.0;
    __m128d low[kPairs], high[kPairs], nan[kPairs];
    for (int k = 0; k < kPairs; ++k) {
        low[k] = high[k] = _mm_set1_pd(start);
        nan[k] = _mm_setzero_pd();
    }
    const double *p = values.data();
    std::size_t i = 0;
    for (; i + kLanes <= values.size(); i += kLanes) {
        for (int k = 0; k < kPairs; ++k) {
            const __m128d v = _mm_loadu_pd(p + i + 2 * k);
            low[k] = _mm_min_pd(v, low[k]);
            high[k] = _mm_max_pd(v, high[k]);
            nan[k] = _mm_or_pd(nan[k], _mm_cmpunord_pd(v, v));
        }
    }
    double lows[kLanes], highs[kLanes], nans[kLanes];
    for (int k = 0; k < kPairs; ++k) {
        _mm_storeu_pd(lows + 2 * k, low[k]);
        _mm_storeu_pd(highs + 2 * k, high[k]);
        _mm_storeu_pd(nans + 2 * k, nan[k]);
    }
    double lowest = *std::min_element(lows, lows + kLanes);
    double highest = *std::max_element(highs, highs + kLanes);
    bool anyNaN = std::any_of(nans, nans + kLanes, [](double mask) { return mask != 0.0; });
    TakeRest(values.subspan(i), lowest, highest, anyNaN);
    return {lowest, highest, anyNaN};
}

#else

ValueExtremes FindExtremes(std::span<const double> values) {
    const double start = values[0] == values[0] ? values[0] : 0.0;
    double lowest = start, highest = start;
    bool anyNaN = false;
    TakeRest(values, lowest, highest, anyNaN);
    return {lowest, highest, anyNaN};
}

#endif

} // namespace kvr::chart
