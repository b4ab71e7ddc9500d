#pragma once

#include "CalculationState.h"

namespace kvr {

inline constexpr long double kLowerSpanFactor = 0.85L;
inline constexpr long double kUpperSpanFactor = 1.15L;
inline constexpr long double kSpanTolerance = 1e-8L;

// Base-10 logarithm as ln x / ln 10 in extended precision; faults for x <= 0.
double DecimalLog(double x);

// b^e in extended precision: 1 for e = 0, 0 for b = 0 and e > 0, repeated multiplication
// (by squaring) for a whole e and its reciprocal for a negative one, exp(e·ln b) otherwise.
// The result is always finite: 0 to a negative power is a division by zero, a negative
// base with a fractional exponent or a non-finite argument an invalid operation, and a
// result beyond the extended range an overflow, each an ArithmeticFault. A finite result
// may still exceed a double; the caller stores it through StoreDouble.
long double Power(long double base, long double exponent);

// Step 2: max_first_time and max_total_time, at least 0.
void ComputeTimeSpan(CalculationState &state);

// The span bounds as the warning prints them (without the tolerance). Shown, never
// stored: they stay extended and may lie beyond a double.
long double SpanLowerBound(const CalculationState &state);
long double SpanUpperBound(const CalculationState &state);

// Step 3: whether chosen_time lies within the widened span, tolerance included.
bool ChosenTimeInSpan(const CalculationState &state);

// One cutter's wear at chosen_time and its tool life, in extended precision before they are
// stored; the tool life faults as its division does.
long double WearAtChosenTime(const CalculationState &state, int cutter);
long double ToolLife(const CalculationState &state, int cutter);

// Step 4: wear_at_chosen_time. Step 5: tool_life.
void ComputeWearAtChosenTime(CalculationState &state);
void ComputeToolLife(CalculationState &state);

// Whether the three cutters share one value: a fit against it has no slope.
inline bool AllEqual(const PerCutter &x) { return x[1] == x[2] && x[2] == x[3]; }

struct PowerLaw {
    double slope = 0;
    double coefficient = 0;
};

// Least squares of lg y against lg x over the three cutters: y = coefficient · x^slope.
PowerLaw FitPowerLaw(const PerCutter &x, const PerCutter &y);

// Step 6 and step 7: fit and store the two models.
void FitWearModel(CalculationState &state);
void FitLifeModel(CalculationState &state);

} // namespace kvr
