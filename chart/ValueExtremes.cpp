#include "ValueExtremes.h"

#include <algorithm>

namespace kvr::chart {

// Four independent lanes, so that no comparison waits for the one before it.
ValueExtremes FindExtremes(std::span<const double> values) {
    const double start = values[0] == values[0] ? values[0] : 0.0;
    double low[4] = {start, start, start, start};
    double high[4] = {start, start, start, start};
    bool nan[4] = {};
    std::size_t i = 0;
    for (; i + 4 <= values.size(); i += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const double v = values[i + lane];
            low[lane] = v < low[lane] ? v : low[lane];
            high[lane] = v > high[lane] ? v : high[lane];
            nan[lane] = nan[lane] || v != v;
        }
    }
    for (; i < values.size(); ++i) {
        const double v = values[i];
        low[0] = v < low[0] ? v : low[0];
        high[0] = v > high[0] ? v : high[0];
        nan[0] = nan[0] || v != v;
    }
    return {std::min({low[0], low[1], low[2], low[3]}),
            std::max({high[0], high[1], high[2], high[3]}), nan[0] || nan[1] || nan[2] || nan[3]};
}

} // namespace kvr::chart
