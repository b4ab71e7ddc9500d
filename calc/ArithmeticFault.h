#pragma once

#include <stdexcept>
#include <string>

namespace kvr {

// Raised instead of letting inf or nan reach a stored field or a shown text; the
// application's error box shows what() with a full stop appended.
class ArithmeticFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char *kDivisionByZero = "Floating point division by zero";
inline constexpr const char *kInvalidOperation = "Invalid floating point operation";
inline constexpr const char *kOverflow = "Floating point overflow";

// num / den; 0/0 is an invalid operation, x/0 a division by zero.
long double Divide(long double num, long double den);
// Natural logarithm; ln 0 is a division by zero, ln of a negative or nan is invalid.
long double NaturalLog(long double x);
// Rounds an extended intermediate to the double it is stored as; overflow is a fault.
double StoreDouble(long double value);

} // namespace kvr
