#pragma once

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "WearCalculation.h"

#include <functional>
#include <string>

namespace kvr::test {

// The main window's defaults: φ = φ1 = 45°, α = 8°, γ = 10°, D = 95 mm,
// n = 610, 380, 185 rev/min, [h_з] = 50 µm, τ = 1 / 1.5 / 2 min per interval,
// h_з = 33, 40, 43 / 21, 26, 35 / 15, 23, 26 µm.
inline CalculationState DefaultInputs() {
    CalculationState s;
    s.phi = DegreesToRadians(45);
    s.phi1 = DegreesToRadians(45);
    s.alpha = DegreesToRadians(8);
    s.gamma = DegreesToRadians(10);
    s.diameter = 95;
    s.depth_of_cut = 0.25;
    s.feed = 0.1;
    s.spindle_speed[1] = 610;
    s.spindle_speed[2] = 380;
    s.spindle_speed[3] = 185;
    s.allowable_flank_wear = 50;
    const double tau[] = {1, 1.5, 2};
    const double flank[3][3] = {{33, 40, 43}, {21, 26, 35}, {15, 23, 26}};
    for (int i = 1; i <= kCutters; ++i) {
        for (int j = 1; j <= kIntervals; ++j) {
            s.running_time[i][j] = tau[i - 1];
            s.flank_wear[i][j] = flank[i - 1][j - 1];
        }
    }
    return s;
}

// Steps A, B and E as the "Розрахувати" press runs them.
inline CalculationState DefaultCalculated() {
    CalculationState s = DefaultInputs();
    ComputeAllowableDimensionalWear(s);
    ComputeSpeedsAndDimensionalWear(s);
    ComputeWearLines(s);
    return s;
}

// The message the application's error box would show, or "" when nothing was thrown.
inline std::string FaultOf(const std::function<void()> &operation) {
    try {
        operation();
    } catch (const ArithmeticFault &fault) {
        return fault.what();
    }
    return "";
}

} // namespace kvr::test
