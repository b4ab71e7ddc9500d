#include "PixelMapper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using kvr::chart::AxisMapping;
using kvr::chart::PixelMapper;

class RandomAxes {
public:
    explicit RandomAxes(unsigned seed) : m_random(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    double Real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(m_random);
    }
    double Signed(double magnitude) { return Int(0, 1) ? magnitude : -magnitude; }

    // Ends and lengths as charts have them, sometimes reversed or off the picture.
    AxisMapping Axis(double minimum, double maximum) {
        const int start = Int(-2000, 3000);
        const int length = Int(0, 9) == 0 ? Int(-3000, 0) : Int(1, 5000);
        return {start, start + length, minimum, maximum, Int(0, 1) == 1, Int(0, 3) == 0};
    }

private:
    std::mt19937_64 m_random;
};

// Counts the values where the two mappings disagree, printing the first few.
struct Comparison {
    long long compared = 0;
    int mismatches = 0;

    void Check(const AxisMapping &axis, const PixelMapper &fast, double value) {
        ++compared;
        const int expected = axis.ValueToPixel(value);
        const int actual = fast(value);
        if (actual == expected)
            return;
        if (++mismatches <= 5)
            ADD_FAILURE() << "value " << value << " on [" << axis.minimum << ", " << axis.maximum
                          << "] over " << axis.start << ".." << axis.end << ": " << actual
                          << " instead of " << expected;
    }
};

TEST(PixelMapper, EqualsTheExactMappingOnRandomValuesRangesAndLengths) {
    RandomAxes random(20261207);
    Comparison comparison;
    const double specials[] = {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               0.0,
                               1e308,
                               -1e308};
    for (int axes = 0; axes < 40000; ++axes) {
        const double minimum = random.Int(0, 3) == 0
                                   ? double(random.Int(-1000, 1000))
                                   : random.Signed(std::pow(10.0, random.Real(-300, 300)));
        const double scale = std::fabs(minimum) > 0 ? std::fabs(minimum) : 1.0;
        const double range =
            random.Int(0, 9) == 0 ? 0.0 : scale * std::pow(10.0, random.Real(-15, 5));
        const AxisMapping axis = random.Axis(minimum, minimum + range);
        const PixelMapper fast(axis);
        for (int i = 0; i < 50; ++i) {
            const double spread = random.Int(0, 19) == 0 ? 1e10 : 2.0;
            comparison.Check(axis, fast, minimum + random.Real(-spread, spread) * range);
        }
        comparison.Check(axis, fast, specials[random.Int(0, 5)]);
    }
    EXPECT_EQ(comparison.mismatches, 0) << "of " << comparison.compared;
}

// Quotients exactly at a half, and the neighbouring doubles on either side.
TEST(PixelMapper, EqualsTheExactMappingAtAndBesideRoundingTies) {
    RandomAxes random(7);
    Comparison comparison;
    for (int axes = 0; axes < 20000; ++axes) {
        // An odd factor makes the scale inexact, so the quotient misses its half slightly.
        const double unit = std::ldexp(1.0, random.Int(-60, 60)) * (2 * random.Int(0, 50) + 1);
        const double minimum = double(random.Int(-1 << 30, 1 << 30)) * unit;
        AxisMapping axis = random.Axis(0, 0);
        const int length = axis.Length() == 0 ? 1 : std::abs(axis.Length());
        axis.minimum = minimum;
        axis.maximum = minimum + length * unit;
        const PixelMapper fast(axis);
        for (int i = 0; i < 25; ++i) {
            const double half = (random.Int(-2 * length, 3 * length) + 0.5) * unit;
            const double tie = minimum + half;
            for (double value : {tie, std::nextafter(tie, -1e300), std::nextafter(tie, 1e300)})
                comparison.Check(axis, fast, value);
        }
    }
    EXPECT_EQ(comparison.mismatches, 0) << "of " << comparison.compared;
}

TEST(PixelMapper, HalvesRoundToTheEvenPixel) {
    const AxisMapping axis{0, 10, 0.0, 10.0, true, false};
    const PixelMapper fast(axis);
    EXPECT_EQ(fast(2.5), 2);
    EXPECT_EQ(fast(3.5), 4);
    EXPECT_EQ(fast(-0.5), 0);
}

} // namespace
