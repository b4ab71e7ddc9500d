#include "FormatFixed.h"

#include "ArithmeticFault.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct Case {
    double value;
    int precision;
    int decimals;
    std::string text; // with a decimal comma
};

void PrintTo(const Case &c, std::ostream *os) {
    *os << c.value << " P=" << c.precision << " D=" << c.decimals;
}

class FormatFixedTable : public ::testing::TestWithParam<Case> {};

TEST_P(FormatFixedTable, WritesTheText) {
    const Case &c = GetParam();
    EXPECT_EQ(kvr::FormatFixed(c.value, c.precision, c.decimals, ","), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    FormatFixed, FormatFixedTable,
    ::testing::Values(
        // Labels of the results window, P = 3, D = 2. 12.345 is 12.3449999... as a
        // double; three significant digits leave fewer digits than two decimals.
        Case{12.345, 3, 2, "12,30"}, Case{3, 3, 2, "3,00"}, Case{0.004, 3, 2, "0,00"},
        Case{999.5, 3, 2, "1E03"}, Case{1234.5, 3, 2, "1,23E03"},
        Case{5.0951320485438076, 3, 2, "5,10"}, Case{3.3628, 3, 2, "3,36"},
        // Speeds, P = 10, D = 2: the two decimals are the tighter limit.
        Case{182.0552942755, 10, 2, "182,06"}, Case{55.213490886840617, 10, 2, "55,21"},
        Case{9999999999.4, 10, 2, "9999999999,00"}, Case{9999999999.5, 10, 2, "1E10"},
        // Wear model, P = 5, D = 3: exponent with at least three digits.
        Case{123456.7, 5, 3, "1,2346E005"}, Case{99999.96, 5, 3, "1E005"},
        Case{99999.4, 5, 3, "99999,000"}, Case{0.10989, 5, 3, "0,110"},
        Case{0.70130, 5, 3, "0,701"}, Case{-1.00643, 5, 3, "-1,006"}, Case{1, 5, 3, "1,000"},
        // Tool-life model, P = 10, D = 0: no separator, no decimals.
        Case{844.82, 10, 0, "845"}, Case{312345678912.3, 10, 0, "3,123456789E11"},
        Case{10000, 10, 0, "10000"}, Case{9999.9999999, 10, 0, "10000"}, Case{0.4, 10, 0, "0"},
        Case{0.5, 10, 0, "1"}, Case{-0.5, 10, 0, "-1"},
        // Warnings: P = 5, D = 2 and the span bounds at P = 5, D = 1.
        Case{28.676666666666666, 5, 2, "28,68"}, Case{0.01, 5, 2, "0,01"},
        Case{0.85 * 2, 5, 1, "1,7"}, Case{1.15 * 6, 5, 1, "6,9"},
        // Half away from zero on the exact binary value: 0.005 is 0.00500000000000000010,
        // 0.015 is 0.01499999999999999944, 2.5 is exact.
        Case{0.005, 3, 2, "0,01"}, Case{0.015, 3, 2, "0,01"}, Case{2.5, 10, 0, "3"},
        Case{-2.5, 10, 0, "-3"}, Case{0.0006, 3, 3, "0,001"}, Case{0.0004, 3, 3, "0,000"},
        // Zero, and values that round to zero, carry no sign.
        Case{0, 3, 2, "0,00"}, Case{-0.0, 3, 2, "0,00"}, Case{-0.004, 3, 2, "0,00"},
        Case{0, 10, 0, "0"}, Case{-0.4, 10, 0, "0"},
        // The extremes of a double.
        Case{1e308, 3, 2, "1E308"}, Case{-1e308, 5, 3, "-1E308"},
        Case{DBL_MAX, 10, 0, "1,797693135E308"}, Case{-DBL_MAX, 3, 2, "-1,8E308"},
        Case{5e-324, 3, 2, "0,00"}, Case{-5e-324, 10, 0, "0"}, Case{DBL_MIN, 5, 3, "0,000"},
        // Exponent digits beyond D are kept; fewer are padded.
        Case{1.5e15, 3, 0, "1,5E15"}, Case{1.5e15, 3, 5, "1,5E00015"}));

// Extended values, beyond a double's range and precision, are rounded from their exact value.
TEST(FormatFixed, ExtendedValues) {
    EXPECT_EQ(kvr::FormatFixed(1.15L * DBL_MAX, 5, 1, ","), "2,0673E308");
    EXPECT_EQ(kvr::FormatFixed(LDBL_MAX, 10, 0, ","), "1,189731495E4932");
    EXPECT_EQ(kvr::FormatFixed(-1e4000L, 3, 2, ","), "-1E4000");
    EXPECT_EQ(kvr::FormatFixed(LDBL_TRUE_MIN, 3, 2, ","), "0,00");
    // The extended sum of the doubles 8.4, 3.65 and 2.9 lies above 14.95; rounded to a
    // double first, it lies below.
    const long double sum = static_cast<long double>(8.4) + 3.65 + 2.9;
    EXPECT_EQ(kvr::FormatFixed(sum, 3, 2, ","), "15,00");
    EXPECT_EQ(kvr::FormatFixed(static_cast<double>(sum), 3, 2, ","), "14,90");
    // 1 + 2^-63: the last bit of an extended value is a nineteenth-decimal digit.
    EXPECT_EQ(kvr::FormatFixed(1 + 0x1p-63L, 30, 19, ","), "1,0000000000000000001");
}

TEST(FormatFixed, UsesTheSeparatorGiven) {
    EXPECT_EQ(kvr::FormatFixed(0.10989, 5, 3, "."), "0.110");
    EXPECT_EQ(kvr::FormatFixed(312345678912.3, 10, 0, "."), "3.123456789E11");
    EXPECT_EQ(kvr::FormatFixed(10000, 10, 0, "."), "10000");
}

TEST(FormatFixed, IgnoresTheProcessLocale) {
    // The application runs with the user's C library locale, whose decimal point may be ",".
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "uk_UA.UTF-8") == nullptr)
        FAIL() << "no uk_UA.UTF-8 C library locale: LOCPATH must name the one scripts/test.sh "
                  "builds";
    const std::string text = kvr::FormatFixed(1234.5, 3, 2, ".");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "1.23E03");
}

TEST(FormatFixed, RefusesInfinityAndNan) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(kvr::FormatFixed(inf, 3, 2, ","), kvr::ArithmeticFault);
    EXPECT_THROW(kvr::FormatFixed(-inf, 3, 2, ","), kvr::ArithmeticFault);
    EXPECT_THROW(kvr::FormatFixed(std::nan(""), 3, 2, ","), kvr::ArithmeticFault);
}

} // namespace
