// The calculation core of Kelvora "KVR": plain C++, no Qt, no window.
//
//   CalculationState  the record of one run (inputs, results, models)
//   NumberSyntax      reading a typed number, the same syntax in every field
//   FormatFixed       the number-to-text rule of every shown number
//   ArithmeticFault   division by zero, invalid operation, overflow as exceptions
//   WearCalculation   allowable wear, speeds, dimensional wear, wear lines, the check
//   ModelFit          time span, wear and tool life at a chosen time, power-law fits
//   InputTable        the main window's inputs: their slots and record fields
//   CalculationRun    the order of the two presses, and what each leaves to show
//   ResultTexts       the text of every shown result, for labels, copies and reports
//   RunStatus         which run a shown result belongs to; the result buttons' rule
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace kvr {

// An array indexed from 1, as cutters and intervals are numbered in the exercise.
template <typename T, int N> struct OneBased {
    std::array<T, N> items{};

    T &operator[](int index) { return items.at(static_cast<std::size_t>(index - 1)); }
    const T &operator[](int index) const { return items.at(static_cast<std::size_t>(index - 1)); }
    bool operator==(const OneBased &) const = default;
};

inline constexpr int kCutters = 3;
inline constexpr int kIntervals = 3;
inline constexpr int kInputSlots = 31;
inline constexpr int kMainWindowSlots = 30; // slots 0..29; slot 30 is the results window's
inline constexpr int kChosenTimeSlot = 30;

using PerCutter = OneBased<double, kCutters>;
using PerInterval = OneBased<OneBased<double, kIntervals>, kCutters>;

// Angles in radians, lengths in mm, speeds in rev/min and m/min, times in minutes,
// wear in micrometres.
struct CalculationState {
    double diameter = 0;
    double depth_of_cut = 0;
    double feed = 0;
    double alpha = 0;
    double gamma = 0;
    double phi = 0;
    double phi1 = 0;
    double chosen_time = 0;
    double wear_model_coefficient = 0;
    double wear_model_exponent = 0;
    double life_model_coefficient = 0;
    double life_model_exponent = 0;
    double allowable_flank_wear = 0;
    double max_initial_wear = 0;
    double allowable_dimensional_wear = 0;
    std::int32_t input_error_sum = 0;
    double max_first_time = 0;
    double max_total_time = 0;
    PerCutter spindle_speed;
    PerCutter cutting_speed;
    PerInterval running_time;
    PerInterval cumulative_time;
    PerInterval flank_wear;
    PerInterval dimensional_wear;
    PerCutter wear_at_chosen_time;
    PerCutter tool_life;
    PerCutter wear_rate;
    PerCutter initial_wear;
    std::array<std::int32_t, kInputSlots> input_error_flags{};

    bool operator==(const CalculationState &) const = default;
};

} // namespace kvr
