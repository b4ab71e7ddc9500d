#include "FormatFixed.h"

#include "ArithmeticFault.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace kvr {

namespace {

// Enough digits for the exact decimal expansion of any double (at most 767 significant
// digits), so that rounding below works on the exact value, not on a rounded print.
constexpr int kExactDigits = 780;

struct Decimal {
    bool negative = false;
    std::string digits; // significant digits, no trailing zeros; empty for zero
    int exponent = 0;   // power of ten of digits[0]
};

Decimal ExactDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buffer[kExactDigits + 16];
    std::snprintf(buffer, sizeof buffer, "%.*e", kExactDigits, std::fabs(value));
    const std::string text(buffer);
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

std::string FormatFixed(double value, int precision, int decimals, std::string_view separator) {
    if (std::isnan(value))
        throw ArithmeticFault(kInvalidOperation);
    if (std::isinf(value))
        throw ArithmeticFault(kOverflow);
    if (precision < 1 || precision > kExactDigits || decimals < 0 || decimals > kExactDigits)
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
