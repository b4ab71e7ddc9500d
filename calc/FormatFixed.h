#pragma once

#include <string>
#include <string_view>

namespace kvr {

// At most `precision` significant digits and at most `decimals` decimals, rounded half
// away from zero; fixed form with exactly `decimals` decimals, or the exponent form when
// the integer part has more than `precision` digits. `separator` is the locale's.
// Rounding works on the exact value of every double and extended value given, so a value
// shown without being stored keeps its extended digits. A value that rounds to zero has
// no sign. Infinity and nan are never written: they raise ArithmeticFault (overflow,
// invalid operation); precision outside 1..780 or decimals outside 0..780 raise
// std::invalid_argument.
std::string FormatFixed(long double value, int precision, int decimals, std::string_view separator);

} // namespace kvr
