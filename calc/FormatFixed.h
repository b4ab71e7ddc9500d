#pragma once

#include <string>
#include <string_view>

namespace kvr {

// At most `precision` significant digits and at most `decimals` decimals, rounded half
// away from zero; fixed form with exactly `decimals` decimals, or the exponent form when
// the integer part has more than `precision` digits. `separator` is the locale's.
std::string FormatFixed(double value, int precision, int decimals, std::string_view separator);

} // namespace kvr
