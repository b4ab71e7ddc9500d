#include "ModelFit.h"

#include "ArithmeticFault.h"

#include <cmath>

namespace kvr {

namespace {

long double Finite(long double value) {
    if (std::isinf(value))
        throw ArithmeticFault(kOverflow);
    return value;
}

struct LogSums {
    long double sx = 0, sy = 0, sxy = 0, sxx = 0;
};

LogSums SumLogs(const PerCutter &x, const PerCutter &y) {
    LogSums s;
    for (int i = 1; i <= kCutters; ++i) {
        const long double xi = DecimalLog(x[i]);
        const long double yi = DecimalLog(y[i]);
        s.sx += xi;
        s.sy += yi;
        s.sxy += xi * yi;
        s.sxx += xi * xi;
    }
    // With one x for all three, 3·Sxx − Sx² and 3·Sxy − Sx·Sy are zero in exact arithmetic,
    // and only rounding would leave them a slope: the fit is the invalid 0/0.
    if (AllEqual(x))
        throw ArithmeticFault(kInvalidOperation);
    return s;
}

double Slope(const LogSums &s) {
    return StoreDouble(Divide(3 * s.sxy - s.sx * s.sy, 3 * s.sxx - s.sx * s.sx));
}

double Coefficient(const LogSums &s, double storedSlope) {
    return StoreDouble(Power(10, (s.sy - storedSlope * s.sx) / 3));
}

} // namespace

double DecimalLog(double x) {
    static const long double ln10 = std::log(10.0L);
    return StoreDouble(NaturalLog(x) / ln10);
}

long double Power(long double base, long double exponent) {
    if (std::isnan(base) || std::isnan(exponent) || std::isinf(base) || std::isinf(exponent))
        throw ArithmeticFault(kInvalidOperation);
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    if (exponent != std::trunc(exponent))
        return Finite(std::exp(exponent * NaturalLog(base)));

    // Squaring instead of |exponent| multiplications, so that a huge whole exponent
    // cannot keep the loop going; the square is skipped after the last bit, so it
    // cannot overflow where the result itself would not.
    long double n = std::fabs(exponent);
    long double square = base;
    long double result = 1;
    for (;;) {
        if (std::fmod(n, 2) == 1)
            result *= square;
        n = std::floor(n / 2);
        if (n == 0)
            break;
        square *= square;
    }
    if (exponent > 0)
        return Finite(result);
    // A base of 0 is a true division by zero; a result that underflowed to 0 stands for
    // one too large for any real type.
    if (result == 0 && base != 0)
        throw ArithmeticFault(kOverflow);
    return Divide(1, result);
}

void ComputeTimeSpan(CalculationState &state) {
    state.max_first_time = 0;
    state.max_total_time = 0;
    for (int i = 1; i <= kCutters; ++i) {
        if (state.cumulative_time[i][1] > state.max_first_time)
            state.max_first_time = state.cumulative_time[i][1];
        if (state.cumulative_time[i][kIntervals] > state.max_total_time)
            state.max_total_time = state.cumulative_time[i][kIntervals];
    }
}

long double SpanLowerBound(const CalculationState &state) {
    return kLowerSpanFactor * state.max_first_time;
}

long double SpanUpperBound(const CalculationState &state) {
    return kUpperSpanFactor * state.max_total_time;
}

bool ChosenTimeInSpan(const CalculationState &state) {
    const long double t = state.chosen_time;
    const bool tooEarly = kLowerSpanFactor * state.max_first_time - kSpanTolerance > t;
    const bool tooLate = t > kUpperSpanFactor * state.max_total_time + kSpanTolerance;
    return !tooEarly && !tooLate;
}

long double WearAtChosenTime(const CalculationState &state, int cutter) {
    return static_cast<long double>(state.wear_rate[cutter]) * state.chosen_time +
           state.initial_wear[cutter];
}

long double ToolLife(const CalculationState &state, int cutter) {
    return Divide(static_cast<long double>(state.allowable_dimensional_wear) -
                      state.initial_wear[cutter],
                  state.wear_rate[cutter]);
}

void ComputeWearAtChosenTime(CalculationState &state) {
    for (int i = 1; i <= kCutters; ++i)
        state.wear_at_chosen_time[i] = StoreDouble(WearAtChosenTime(state, i));
}

void ComputeToolLife(CalculationState &state) {
    for (int i = 1; i <= kCutters; ++i)
        state.tool_life[i] = StoreDouble(ToolLife(state, i));
}

PowerLaw FitPowerLaw(const PerCutter &x, const PerCutter &y) {
    const LogSums sums = SumLogs(x, y);
    PowerLaw law;
    law.slope = Slope(sums);
    law.coefficient = Coefficient(sums, law.slope);
    return law;
}

// The exponent is stored before the coefficient is computed, so that a coefficient
// too large for a double leaves the new exponent in place.
void FitWearModel(CalculationState &state) {
    const LogSums sums = SumLogs(state.cutting_speed, state.wear_at_chosen_time);
    state.wear_model_exponent = Slope(sums);
    state.wear_model_coefficient = Coefficient(sums, state.wear_model_exponent);
}

void FitLifeModel(CalculationState &state) {
    const LogSums sums = SumLogs(state.cutting_speed, state.tool_life);
    state.life_model_exponent = Slope(sums);
    state.life_model_coefficient = Coefficient(sums, state.life_model_exponent);
}

} // namespace kvr
