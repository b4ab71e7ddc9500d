// FormatFixed for any finite double or extended value, precision 1..20, decimals 0..10:
// the text follows the fixed or the exponent form with the given separator, and its value
// lies within half a unit of its last kept digit of the input.
#include "FormatFixed.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// digits × 10^scale, exactly; digits without leading zeros, empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int scale = 0;
};

std::string WithoutLeadingZeros(std::string digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

int CompareMagnitudes(const std::string &a, const std::string &b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

std::string AddMagnitudes(const std::string &a, const std::string &b) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int da = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int db = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        sum += char('0' + (da + db + carry) % 10);
        carry = (da + db + carry) / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return WithoutLeadingZeros(sum);
}

// a − b for a ≥ b.
std::string SubtractMagnitudes(const std::string &a, const std::string &b) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = a[a.size() - 1 - i] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0;
        difference += char('0' + d + 10 * borrow);
    }
    std::reverse(difference.begin(), difference.end());
    return WithoutLeadingZeros(difference);
}

std::string Scaled(const Decimal &d, int scale) {
    return d.digits.empty() ? d.digits : d.digits + std::string(std::size_t(d.scale - scale), '0');
}

// 2·|a − b| against 10^power: below, equal (a tie) or above half a unit of 10^power.
int CompareWithHalfUnit(const Decimal &a, const Decimal &b, int power) {
    const int scale = std::min({a.scale, b.scale, power});
    const std::string x = Scaled(a, scale);
    const std::string y = Scaled(b, scale);
    std::string distance;
    if (a.negative == b.negative || x.empty() || y.empty())
        distance =
            CompareMagnitudes(x, y) >= 0 ? SubtractMagnitudes(x, y) : SubtractMagnitudes(y, x);
    else
        distance = AddMagnitudes(x, y);
    return CompareMagnitudes(AddMagnitudes(distance, distance),
                             "1" + std::string(std::size_t(power - scale), '0'));
}

// The input with `precision` + 1 significant digits, rounded by the C library; enough for
// every decision except an exact tie, which is retried with the full expansion.
Decimal InputDigits(long double value, int precision) {
    std::string text(std::size_t(precision) + 32, '\0');
    text.resize(std::size_t(std::snprintf(text.data(), text.size(), "%.*Le", precision, value)));
    Decimal d;
    d.negative = std::signbit(value);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            d.digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));
    d.scale = exponent - precision;
    d.digits = WithoutLeadingZeros(d.digits);
    return d;
}

int LeadingPower(const Decimal &d) { return d.scale + int(d.digits.size()) - 1; }

struct Shown {
    Decimal value;
    bool exponentForm = false;
};

bool AllDigits(const std::string &s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads the text back by the format's grammar; fails the run on any deviation.
Shown ParseShown(const std::string &text, const std::string &sep, int precision, int decimals) {
    Shown shown;
    std::size_t pos = 0;
    shown.value.negative = text.compare(0, 1, "-") == 0;
    pos += shown.value.negative;
    const std::size_t e = text.find('E');
    shown.exponentForm = e != std::string::npos;
    const std::string mantissa = text.substr(pos, shown.exponentForm ? e - pos : std::string::npos);
    const std::size_t point = sep.empty() ? std::string::npos : mantissa.find(sep);
    const std::string whole = mantissa.substr(0, point);
    const std::string fraction =
        point == std::string::npos ? std::string() : mantissa.substr(point + sep.size());
    FUZZ_CHECK(!whole.empty() && AllDigits(whole) && AllDigits(fraction), "text \"%s\"",
               text.c_str());
    if (shown.exponentForm) {
        const std::string power = text.substr(e + 1);
        FUZZ_CHECK(whole.size() == 1 && whole != "0", "exponent form \"%s\"", text.c_str());
        FUZZ_CHECK(point == std::string::npos || (!fraction.empty() && fraction.back() != '0'),
                   "trailing zeros in \"%s\"", text.c_str());
        FUZZ_CHECK(1 + fraction.size() <= std::size_t(precision), "too many digits \"%s\"",
                   text.c_str());
        FUZZ_CHECK(!power.empty() && AllDigits(power) && power.size() >= std::size_t(decimals) &&
                       (power.size() == std::size_t(std::max(decimals, 1)) || power[0] != '0'),
                   "exponent of \"%s\"", text.c_str());
        // Only a whole part longer than the precision takes this form.
        FUZZ_CHECK(std::stoi(power) >= precision, "early exponent form \"%s\"", text.c_str());
        shown.value.digits = WithoutLeadingZeros(whole + fraction);
        shown.value.scale = std::stoi(power) - int(fraction.size());
    } else {
        FUZZ_CHECK(whole.size() <= std::size_t(precision) && (whole.size() == 1 || whole[0] != '0'),
                   "whole part of \"%s\"", text.c_str());
        FUZZ_CHECK(fraction.size() == std::size_t(decimals) &&
                       (point != std::string::npos) == (decimals > 0),
                   "decimals of \"%s\"", text.c_str());
        shown.value.digits = WithoutLeadingZeros(whole + fraction);
        shown.value.scale = -decimals;
    }
    FUZZ_CHECK(!shown.value.negative || !shown.value.digits.empty(), "minus zero \"%s\"",
               text.c_str());
    return shown;
}

constexpr int kRoughDigits = 40;
// Every digit of any extended value (up to about 11 500 significant digits).
constexpr int kAllDigits = 11600;

template <typename Real>
void CheckFormat(Real value, int precision, int decimals, const char *sep) {
    const std::string text = kvr::FormatFixed(value, precision, decimals, sep);
    const Shown shown = ParseShown(text, sep, precision, decimals);
    const long double input = value;
    if (input == 0) {
        FUZZ_CHECK(shown.value.digits.empty(), "zero shown as \"%s\"", text.c_str());
        return;
    }
    FUZZ_CHECK(shown.value.digits.empty() || shown.value.negative == std::signbit(input),
               "sign of \"%s\" for %.21Lg", text.c_str(), input);
    Decimal exact = InputDigits(input, kRoughDigits);
    auto unit = [&] { return std::max(-decimals, LeadingPower(exact) - precision + 1); };
    int distance = CompareWithHalfUnit(shown.value, exact, unit());
    // Only a tie in the rounded digits can hide which side the input lies on.
    if (distance == 0) {
        exact = InputDigits(input, kAllDigits);
        distance = CompareWithHalfUnit(shown.value, exact, unit());
    }
    const bool within = distance <= 0;
    FUZZ_CHECK(within, "\"%s\" for %.21Lg (precision %d, decimals %d)", text.c_str(), input,
               precision, decimals);
}

// A canonical extended value from ten bytes: 64-bit mantissa, sign and binary exponent,
// the exponent over the whole extended range or, since formatting the extremes takes
// thousands of digits, only around the range of a double.
long double ExtendedFrom(const std::uint8_t *bytes, bool wholeRange) {
    std::uint64_t mantissa;
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    const int field = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
    const int exponent = wholeRange ? field - 16445 : field % 2300 - 1213;
    const long double magnitude = std::ldexp(static_cast<long double>(mantissa), exponent);
    return (bytes[9] & 0x80) ? -magnitude : magnitude;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 3)
        return 0;
    const int precision = 1 + data[0] % 20;
    const int decimals = data[1] % 11;
    const char *const separators[] = {".", ",", "\xD9\xAB"}; // Arabic decimal separator
    const char *sep = separators[(data[2] & 0x7F) % 3];
    const bool wholeRange = data[2] & 0x80;
    data += 3;
    size -= 3;
    if (size >= 10) {
        const long double extended = ExtendedFrom(data, wholeRange);
        if (std::isfinite(extended))
            CheckFormat(extended, precision, decimals, sep);
    }
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            CheckFormat(value, precision, decimals, sep);
    }
    return 0;
}
