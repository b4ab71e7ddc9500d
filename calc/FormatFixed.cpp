#include "FormatFixed.h"

#include "ArithmeticFault.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvr {

namespace {

// Limits of precision and decimals: more than any double or extended value shows.
constexpr int kMaxDigits = 780;

struct Decimal {
    bool negative = false;
    std::string digits; // significant digits, no trailing zeros; empty for zero
    int exponent = 0;   // power of ten of digits[0]
};

// Digits after the first that the exact decimal expansion of |value| can need: with
// value = f·2^e (64-bit f), its last bit lies at 2^(e−64), so its digits end at most
// 64 − e places after the point, and it has at most 0.302·e places before it.
int ExactDigitsAfterFirst(long double value) {
    int binaryExponent = 0;
    std::frexp(value, &binaryExponent);
    return 66 + std::abs(binaryExponent);
}

// The exact value, not a rounded print, so that the rounding below sees every digit.
Decimal ExactDecimal(long double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    const int digits = ExactDigitsAfterFirst(value);
    std::vector<char> buffer(static_cast<std::size_t>(digits) + 32);
    std::snprintf(buffer.data(), buffer.size(), "%.*Le", digits, std::fabs(value));
    const std::string text(buffer.data());
    const std::size_t e = text.find('e');
    // The C library writes the process locale's decimal point, of any length: skip it.
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

// Keeps `keep` leading digits, rounding half away from zero; keep may be 0 or negative
// (everything is dropped, and a first digit of 5 or more still rounds up at keep = 0).
void RoundToDigits(Decimal &d, int keep) {
    if (static_cast<int>(d.digits.size()) <= keep)
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
            --i;
        if (i < 0) {
            d.digits.assign(1, '1');
            ++d.exponent;
        } else {
            d.digits.resize(static_cast<std::size_t>(i) + 1);
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// The digit of d at the given power of ten.
char DigitAt(const Decimal &d, int power) {
    const int index = d.exponent - power;
    if (index < 0 || index >= static_cast<int>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

} // namespace

std::string FormatFixed(long double value, int precision, int decimals,
                        std::string_view separator) {
    if (std::isnan(value))
        throw ArithmeticFault(kInvalidOperation);
    if (std::isinf(value))
        throw ArithmeticFault(kOverflow);
    if (precision < 1 || precision > kMaxDigits || decimals < 0 || decimals > kMaxDigits)
        throw std::invalid_argument("FormatFixed: precision or decimals out of range");

    Decimal d = ExactDecimal(value);
    if (!d.digits.empty())
        RoundToDigits(d, std::min(precision, d.exponent + 1 + decimals));

    std::string text;
    // A value that rounds to zero, negative zero included, is shown without a sign.
    if (d.negative && !d.digits.empty())
        text += '-';

    const bool zero = d.digits.empty();
    if (zero || d.exponent + 1 <= precision) {
        if (zero || d.exponent < 0) {
            text += '0';
        } else {
            for (int power = d.exponent; power >= 0; --power)
                text += DigitAt(d, power);
        }
        if (decimals > 0) {
            text += separator;
            for (int power = -1; power >= -decimals; --power)
                text += zero ? '0' : DigitAt(d, power);
        }
        return text;
    }

    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += separator;
        text += d.digits.substr(1);
    }
    text += 'E';
    if (d.exponent < 0)
        text += '-';
    std::string exponentDigits = std::to_string(std::abs(d.exponent));
    if (static_cast<int>(exponentDigits.size()) < decimals)
        exponentDigits.insert(0, static_cast<std::size_t>(decimals) - exponentDigits.size(), '0');
    return text + exponentDigits;
}

} // namespace kvr
