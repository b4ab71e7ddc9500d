#include "NumberSyntax.h"

#include <cstdlib>
#include <locale.h>
#include <string>

#include "ArithmeticFault.h"

namespace kvr {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal point must not follow the user's locale, so strtold runs in a "C" locale
// of its own rather than the process one.
locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

NumberReading Rejected(std::size_t byteIndex) {
    // Every character the syntax accepts is ASCII, so everything before the first
    // rejected one is one byte per character and the byte index is the character index.
    return {0, static_cast<int>(byteIndex + 1)};
}

} // namespace

NumberReading ReadNumber(std::string_view text) {
    const std::size_t end = text.size();
    std::size_t pos = 0;
    while (pos < end && text[pos] == ' ')
        ++pos;
    const std::size_t numberStart = pos;

    if (pos < end && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    if (pos == end) // empty, blanks only, or a sign alone
        return Rejected(end);

    bool mantissaHasDigit = false;
    bool seenPoint = false;
    while (pos < end) {
        if (IsDigit(text[pos])) {
            mantissaHasDigit = true;
        } else if (text[pos] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        ++pos;
    }

    if (pos < end && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (pos == end)
            return Rejected(end);
        if (!IsDigit(text[pos]))
            return Rejected(pos);
        while (pos < end && IsDigit(text[pos]))
            ++pos;
    }
    if (pos < end)
        return Rejected(pos);

    const bool negative = text[numberStart] == '-';
    // "." and "E5" are zero; strtold would not take a mantissa without digits.
    if (!mantissaHasDigit)
        return {negative ? -0.0 : 0.0, 0};

    const std::string accepted(text.substr(numberStart));
    const long double extended = strtold_l(accepted.c_str(), nullptr, ClassicLocale());
    try {
        return {StoreDouble(extended), 0};
    } catch (const ArithmeticFault &) {
        // A number a double cannot hold is unreadable; the code points at the start of
        // the number, since no single character of it is wrong.
        return Rejected(numberStart);
    }
}

} // namespace kvr
