#include "WearCalculation.h"

#include "ArithmeticFault.h"

#include <cmath>

namespace kvr {

namespace {

long double Cot(long double angle) { return Divide(std::cos(angle), std::sin(angle)); }

} // namespace

double DegreesToRadians(double degrees) {
    return StoreDouble(static_cast<long double>(degrees) * kPi / 180);
}

long double WearConversionFactor(const CalculationState &state) {
    const long double x = Cot(state.alpha) - std::tan(static_cast<long double>(state.gamma));
    const long double y = (Cot(state.phi) + Cot(state.phi1)) * x;
    return std::sin(static_cast<long double>(state.phi)) * y;
}

void ComputeAllowableDimensionalWear(CalculationState &state) {
    const long double k = WearConversionFactor(state);
    state.allowable_dimensional_wear = StoreDouble(Divide(state.allowable_flank_wear, k));
}

void ComputeSpeedsAndDimensionalWear(CalculationState &state) {
    const long double k = WearConversionFactor(state);
    for (int i = 1; i <= kCutters; ++i) {
        state.cutting_speed[i] = StoreDouble(CuttingSpeed(state, i));
        for (int j = 1; j <= kIntervals; ++j)
            state.dimensional_wear[i][j] = StoreDouble(DimensionalWear(state, i, j, k));
    }
}

long double CuttingSpeed(const CalculationState &state, int cutter) {
    return kPi * state.diameter * state.spindle_speed[cutter] / 1000;
}

long double DimensionalWear(const CalculationState &state, int cutter, int interval,
                            long double factor) {
    return Divide(state.flank_wear[cutter][interval], factor);
}

long double TotalRunningTime(const CalculationState &state, int cutter) {
    const auto &tau = state.running_time[cutter];
    return static_cast<long double>(tau[1]) + tau[2] + tau[3];
}

void ComputeWearLine(CalculationState &state, int cutter) {
    const auto &tau = state.running_time[cutter];
    auto &t = state.cumulative_time[cutter];
    t[1] = StoreDouble(tau[1]);
    t[2] = StoreDouble(static_cast<long double>(tau[1]) + tau[2]);
    t[3] = StoreDouble(static_cast<long double>(tau[1]) + tau[2] + tau[3]);

    const auto &h = state.dimensional_wear[cutter];
    long double sumT = 0, sumH = 0, sumTT = 0, sumTH = 0;
    for (int j = 1; j <= kIntervals; ++j) {
        const long double tj = t[j];
        sumT += tj;
        sumH += h[j];
        sumTT += tj * tj;
        sumTH += tj * h[j];
    }
    state.wear_rate[cutter] = StoreDouble(Divide(3 * sumTH - sumT * sumH, 3 * sumTT - sumT * sumT));
    state.initial_wear[cutter] = StoreDouble((sumH - sumT * state.wear_rate[cutter]) / 3);
}

void ComputeWearLines(CalculationState &state) {
    for (int i = 1; i <= kCutters; ++i)
        ComputeWearLine(state, i);
}

std::optional<long double> CheckAllowableWear(CalculationState &state) {
    state.max_initial_wear = 0;
    for (int i = 1; i <= kCutters; ++i) {
        if (state.initial_wear[i] > state.max_initial_wear)
            state.max_initial_wear = state.initial_wear[i];
    }
    if (state.allowable_dimensional_wear >= state.max_initial_wear)
        return std::nullopt;
    return WearConversionFactor(state) * state.max_initial_wear + 0.01L;
}

} // namespace kvr
