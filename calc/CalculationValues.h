// The numbers a run reads and computes, apart from the flags it keeps per input: the table of
// inputs names these members, and the flags are counted by that table.
#pragma once

#include <array>
#include <cstdint>

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

using PerCutter = OneBased<double, kCutters>;
using PerInterval = OneBased<OneBased<double, kIntervals>, kCutters>;

// The numbers of one run. Angles in radians, lengths in mm, speeds in rev/min and m/min,
// times in minutes, wear in micrometres.
struct CalculationValues {
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

    bool operator==(const CalculationValues &) const = default;
};

} // namespace kvr
