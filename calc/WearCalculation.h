#pragma once

#include "CalculationState.h"

#include <optional>

namespace kvr {

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Degrees read from an angle list, to the radians stored in the record.
double DegreesToRadians(double degrees);

// K = sin φ · (cot φ + cot φ1) · (cot α − tan γ), the flank-to-dimensional wear divisor.
long double WearConversionFactor(const CalculationState &state);

// Step A: allowable_dimensional_wear from allowable_flank_wear.
void ComputeAllowableDimensionalWear(CalculationState &state);

// Step B: cutting_speed and dimensional_wear of the three cutters.
void ComputeSpeedsAndDimensionalWear(CalculationState &state);

// π·D·n / 1000 in extended precision, before it is stored.
long double CuttingSpeed(const CalculationState &state, int cutter);

// hз / K of one measurement, in extended precision, before it is stored.
long double DimensionalWear(const CalculationState &state, int cutter, int interval,
                            long double factor);

// τ_i1 + τ_i2 + τ_i3, the total shown in the results window. Shown, never stored: it
// stays extended and may lie beyond a double.
long double TotalRunningTime(const CalculationState &state, int cutter);

// Step E: cumulative_time, wear_rate and initial_wear, cutter by cutter. A fault part-way
// leaves the earlier cutters' lines stored.
void ComputeWearLines(CalculationState &state);
// One cutter's line alone.
void ComputeWearLine(CalculationState &state, int cutter);

// Step F: max_initial_wear, then the smallest allowable flank wear M to warn about, or
// nothing when the allowable dimensional wear is large enough. M is only shown: it
// stays extended and may lie beyond a double.
std::optional<long double> CheckAllowableWear(CalculationState &state);

} // namespace kvr
