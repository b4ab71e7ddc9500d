#pragma once

#include <string_view>

namespace kvr {

// Outcome of converting one field's text. code is 0 when read, otherwise the 1-based
// position of the first rejected character (length + 1 when the text ended too early).
struct NumberReading {
    double value = 0;
    int code = 0;
};

// The one number syntax of every field, independent of locale: leading spaces, an
// optional sign, digits with at most one '.', an optional exponent. Positions count
// characters of the UTF-8 text, not bytes. A value beyond the range of a double is
// unreadable; an unreadable text gives value 0.
NumberReading ReadNumber(std::string_view utf8Text);

} // namespace kvr
