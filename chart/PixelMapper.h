#pragma once

#include <kvrchart/AxisScale.h>

#include <cmath>

namespace kvr::chart {

// An axis' value-to-pixel mapping for one drawing. Everything that stays the same over
// the drawing is worked out once; each value then costs a subtraction, a product and a
// rounding in double. The result is always the exact mapping's: where the double error
// could move the quotient across a rounding tie, or out of the ranges the check covers,
// the value goes through AxisMapping::ValueToPixel instead.
class PixelMapper {
public:
    explicit PixelMapper(const AxisMapping &mapping);

    int operator()(double value) const {
        const double t = (value - m_minimum) * m_scale;
        // Fails for NaN too, which the exact path then sends to the centre pixel.
        if (std::fabs(t) < m_fastLimit) {
            // Adding and removing 1.5·2^52 rounds to the nearest integer, ties to even.
            const double rounded = (t + kRoundShift) - kRoundShift;
            if (std::fabs(std::fabs(t - rounded) - 0.5) > kTieMargin)
                return m_base + m_sign * int(rounded);
        }
        return m_mapping.ValueToPixel(value);
    }

    const AxisMapping &Mapping() const { return m_mapping; }

    // Values of this closed interval map onto drawable pixels (well inside ±32767), and a
    // larger one of them never onto a pixel on the other side of a smaller one's; empty
    // when the axis gives no such interval.
    double RegularLow() const { return m_regularLow; }
    double RegularHigh() const { return m_regularHigh; }
    bool Regular(double value) const { return value >= m_regularLow && value <= m_regularHigh; }

private:
    void FindRegularValues();

    static constexpr double kRoundShift = 6755399441055744.0;
    // Bounds how far the double quotient may lie from the exact one for |t| < 2^31:
    // three roundings of both computations stay below 2^-50·|t| <= 2^-19.
    static constexpr double kTieMargin = 1.0 / 262144.0;

    AxisMapping m_mapping;
    double m_minimum;
    double m_scale = 0.0;
    // Below this |t| the result and the pixel fit an int; 0 sends every value the exact way.
    double m_fastLimit = 0.0;
    int m_base = 0;
    int m_sign = 1;
    double m_regularLow = 1.0;
    double m_regularHigh = 0.0;
};

} // namespace kvr::chart
