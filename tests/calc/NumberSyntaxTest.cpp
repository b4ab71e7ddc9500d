#include "NumberSyntax.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

namespace {

struct Case {
    std::string text;
    int code;
    double value; // checked only when code is 0
};

void PrintTo(const Case &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class NumberSyntaxTable : public ::testing::TestWithParam<Case> {};

TEST_P(NumberSyntaxTable, ReadsOrRejectsAtThePosition) {
    const Case &c = GetParam();
    const kvr::NumberReading r = kvr::ReadNumber(c.text);
    EXPECT_EQ(r.code, c.code);
    if (c.code == 0)
        EXPECT_EQ(r.value, c.value);
    else
        EXPECT_EQ(r.value, 0.0);
}

const std::string k10000Zeros(10000, '0');

INSTANTIATE_TEST_SUITE_P(
    NumberSyntax, NumberSyntaxTable,
    ::testing::Values(
        Case{"95", 0, 95}, Case{" 95", 0, 95}, Case{"   -2.5", 0, -2.5}, Case{"2e1", 0, 20},
        Case{"2E+1", 0, 20}, Case{"25e-1", 0, 2.5}, Case{"-.5", 0, -0.5}, Case{"+.5", 0, 0.5},
        Case{"5.", 0, 5}, Case{".5", 0, 0.5}, Case{".", 0, 0}, Case{"E5", 0, 0}, Case{"-e5", 0, 0},
        Case{".e-3", 0, 0}, Case{"-0", 0, 0}, Case{"0.25", 0, 0.25}, Case{"007", 0, 7},
        // Text that ends before a number is complete: length + 1.
        Case{"", 1, 0}, Case{"   ", 4, 0}, Case{"+", 2, 0}, Case{"-", 2, 0}, Case{"  -", 4, 0},
        Case{"1e", 3, 0}, Case{"1e+", 4, 0}, Case{"E", 2, 0},
        // The first character the syntax rejects.
        Case{"95 ", 3, 0}, Case{"1.2.3", 4, 0}, Case{"1,5", 2, 0}, Case{"50x", 3, 0},
        Case{"abc", 1, 0}, Case{"0x10", 2, 0}, Case{"+-1", 2, 0}, Case{"1ex", 3, 0},
        Case{"1e5.", 4, 0}, Case{"1e5e", 4, 0}, Case{"\t5", 1, 0}, Case{"inf", 1, 0},
        Case{"nan", 1, 0}, Case{"1 000", 2, 0},
        // Only ASCII digits count; positions are characters, not UTF-8 bytes.
        Case{"\u0661\u0662", 1, 0},                                           // Arabic-Indic "12"
        Case{"\uFF15", 1, 0},                                                 // fullwidth "5"
        Case{"5\uFF15", 2, 0}, Case{"1\u0662", 2, 0}, Case{"\u00A095", 1, 0}, // no-break space
        // Beyond a double: unreadable at the first character of the number.
        Case{"1e400", 1, 0}, Case{"  -1e400", 3, 0}, Case{"1e99999999999999999999", 1, 0},
        // DBL_MAX + half an ulp is 1.797693134862315807937e308; below it rounds to DBL_MAX.
        Case{"1.7976931348623158e308", 0, DBL_MAX}, Case{"1.797693134862315808e308", 1, 0},
        // Too small for a double reads as zero.
        Case{"1e-400", 0, 0},
        // Very long digit strings.
        Case{"1" + k10000Zeros, 1, 0}, Case{k10000Zeros + "5", 0, 5},
        Case{"0." + k10000Zeros + "1", 0, 0}, Case{"0." + std::string(10000, '9'), 0, 1},
        Case{"1e" + k10000Zeros + "2", 0, 100}, Case{k10000Zeros + "x", 10001, 0},
        Case{std::string(10000, ' ') + "-", 10002, 0}));

TEST(NumberSyntax, ReadsExtendedThenRoundsToDouble) {
    // 0.1 is not exact in either type; rounding through 64-bit and then 53-bit mantissas
    // still lands on the nearest double here.
    EXPECT_EQ(kvr::ReadNumber("0.1").value, 0.1);
    EXPECT_EQ(kvr::ReadNumber("182.0552942755").value, 182.0552942755);
}

TEST(NumberSyntax, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char *commaLocales[] = {"uk_UA.UTF-8", "de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"};
    const char *set = nullptr;
    for (const char *name : commaLocales) {
        if ((set = std::setlocale(LC_NUMERIC, name)) != nullptr)
            break;
    }
    if (set == nullptr)
        FAIL() << "no C library locale with a decimal comma: LOCPATH must name the one "
                  "scripts/test.sh builds";
    const kvr::NumberReading point = kvr::ReadNumber("0.25");
    const kvr::NumberReading comma = kvr::ReadNumber("0,25");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(point.code, 0);
    EXPECT_EQ(point.value, 0.25);
    EXPECT_EQ(comma.code, 2);
}

} // namespace
