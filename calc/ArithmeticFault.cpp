#include "ArithmeticFault.h"

#include <cmath>

namespace kvr {

long double Divide(long double num, long double den) {
    if (std::isnan(num) || std::isnan(den))
        throw ArithmeticFault(kInvalidOperation);
    if (den == 0)
        throw ArithmeticFault(num == 0 ? kInvalidOperation : kDivisionByZero);
    const long double quotient = num / den;
    if (std::isnan(quotient)) // inf / inf
        throw ArithmeticFault(kInvalidOperation);
    if (std::isinf(quotient))
        throw ArithmeticFault(kOverflow);
    return quotient;
}

long double NaturalLog(long double x) {
    if (std::isnan(x) || x < 0)
        throw ArithmeticFault(kInvalidOperation);
    if (x == 0)
        throw ArithmeticFault(kDivisionByZero);
    if (std::isinf(x))
        throw ArithmeticFault(kOverflow);
    return std::log(x);
}

double StoreDouble(long double value) {
    if (std::isnan(value))
        throw ArithmeticFault(kInvalidOperation);
    // DBL_MAX plus half an ulp: the first magnitude that rounds to infinity. Testing
    // before the conversion keeps an out-of-range conversion from ever happening.
    constexpr long double kFirstOverflow = 0x1.fffffffffffff8p1023L;
    if (std::fabs(value) >= kFirstOverflow)
        throw ArithmeticFault(kOverflow);
    return static_cast<double>(value);
}

} // namespace kvr
