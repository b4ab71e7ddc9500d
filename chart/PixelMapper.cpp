#include "PixelMapper.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstdlib>

namespace kvr::chart {

PixelMapper::PixelMapper(const AxisMapping &mapping)
    : m_mapping(mapping), m_minimum(mapping.minimum) {
    const bool fromStart = mapping.horizontal != mapping.inverted;
    m_base = fromStart ? mapping.start : mapping.end;
    m_sign = fromStart ? 1 : -1;
    const double range = mapping.Range();
    if (range == 0.0 || !std::isfinite(mapping.minimum))
        return;
    m_scale = double(mapping.Length()) / range;
    // A subnormal scale has lost its relative precision; an infinite one has none.
    if (!std::isfinite(m_scale) || (m_scale != 0.0 && std::fabs(m_scale) < DBL_MIN))
        return;
    // Keeps |t| below the exact path's guard of 2147483647 and base ± round(t) an int.
    const double room = double(INT_MAX) - std::abs(double(m_base)) - 1.0;
    m_fastLimit = std::clamp(room, 0.0, 2147483646.0);
    FindRegularValues();
}

void PixelMapper::FindRegularValues() {
    constexpr double kReach = 32000.0;
    if (std::abs(m_base) > kReach)
        return;
    if (m_scale == 0.0) {
        // Every value maps onto the base pixel.
        m_regularLow = -DBL_MAX;
        m_regularHigh = DBL_MAX;
        return;
    }
    // The quotients whose pixel base ± round(t) stays within ±kReach, a few pixels in.
    const double low = m_sign > 0 ? -kReach - m_base : m_base - kReach;
    const double high = low + 2 * kReach;
    double a = m_minimum + low / m_scale;
    double b = m_minimum + high / m_scale;
    // Turning quotients back into values is off by about an ulp of the value; in pixels
    // that is |scale| times as much, which can be far more than a pixel.
    const double slack = 4.0 + std::fabs(m_scale) * (std::fabs(a) + std::fabs(b)) * 0x1p-50;
    if (!(slack < kReach))
        return;
    a = m_minimum + (low + slack) / m_scale;
    b = m_minimum + (high - slack) / m_scale;
    if (!std::isfinite(a) || !std::isfinite(b))
        return;
    m_regularLow = std::min(a, b);
    m_regularHigh = std::max(a, b);
}

} // namespace kvr::chart
