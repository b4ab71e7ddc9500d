#pragma once

#include "CalculationState.h"

#include <array>

namespace kvr {

enum class InputKind {
    AngleList, // a list of degrees, stored in radians
    List,      // a list that only has to have a selection
    Number,    // a typed number, commas turned into points
};

// Slots of the inputs that are read by what they are.
inline constexpr int kMaterialSlot = 4;
inline constexpr int kDiameterSlot = 5;
inline constexpr int kAllowableFlankWearSlot = 29;
constexpr int SpindleSpeedSlot(int cutter) { return 7 + cutter; }
constexpr int RunningTimeSlot(int cutter, int interval) { return 7 + 3 * cutter + interval; }
constexpr int FlankWearSlot(int cutter, int interval) { return 16 + 3 * cutter + interval; }

// One input of the main window: its slot in input_error_flags and the record field it is
// read into (none for a list that only has to have a selection). Which control holds it is
// the windows' business.
struct InputField {
    int slot;
    InputKind kind;
    double &(*field)(CalculationState &);
};

namespace fields {
template <auto Member> double &Direct(CalculationState &s) { return s.*Member; }
template <int I> double &SpindleSpeed(CalculationState &s) { return s.spindle_speed[I]; }
template <int I, int J> double &RunningTime(CalculationState &s) { return s.running_time[I][J]; }
template <int I, int J> double &FlankWear(CalculationState &s) { return s.flank_wear[I][J]; }
} // namespace fields

// In reading order. The allowable dimensional wear is computed after the first
// kFieldsBeforeAllowableWear rows, before the measurements are read.
inline constexpr std::array<InputField, kMainWindowSlots> kInputFields{{
    {0, InputKind::AngleList, &fields::Direct<&CalculationState::phi>},
    {1, InputKind::AngleList, &fields::Direct<&CalculationState::phi1>},
    {2, InputKind::AngleList, &fields::Direct<&CalculationState::alpha>},
    {3, InputKind::AngleList, &fields::Direct<&CalculationState::gamma>},
    {4, InputKind::List, nullptr},
    {5, InputKind::Number, &fields::Direct<&CalculationState::diameter>},
    {6, InputKind::Number, &fields::Direct<&CalculationState::depth_of_cut>},
    {7, InputKind::Number, &fields::Direct<&CalculationState::feed>},
    {8, InputKind::Number, &fields::SpindleSpeed<1>},
    {9, InputKind::Number, &fields::SpindleSpeed<2>},
    {10, InputKind::Number, &fields::SpindleSpeed<3>},
    {29, InputKind::Number, &fields::Direct<&CalculationState::allowable_flank_wear>},
    {11, InputKind::Number, &fields::RunningTime<1, 1>},
    {12, InputKind::Number, &fields::RunningTime<1, 2>},
    {13, InputKind::Number, &fields::RunningTime<1, 3>},
    {14, InputKind::Number, &fields::RunningTime<2, 1>},
    {15, InputKind::Number, &fields::RunningTime<2, 2>},
    {16, InputKind::Number, &fields::RunningTime<2, 3>},
    {17, InputKind::Number, &fields::RunningTime<3, 1>},
    {18, InputKind::Number, &fields::RunningTime<3, 2>},
    {19, InputKind::Number, &fields::RunningTime<3, 3>},
    {20, InputKind::Number, &fields::FlankWear<1, 1>},
    {21, InputKind::Number, &fields::FlankWear<1, 2>},
    {22, InputKind::Number, &fields::FlankWear<1, 3>},
    {23, InputKind::Number, &fields::FlankWear<2, 1>},
    {24, InputKind::Number, &fields::FlankWear<2, 2>},
    {25, InputKind::Number, &fields::FlankWear<2, 3>},
    {26, InputKind::Number, &fields::FlankWear<3, 1>},
    {27, InputKind::Number, &fields::FlankWear<3, 2>},
    {28, InputKind::Number, &fields::FlankWear<3, 3>},
}};

inline constexpr int kFieldsBeforeAllowableWear = 12;
static_assert(kInputFields[kFieldsBeforeAllowableWear - 1].slot == kAllowableFlankWearSlot);
static_assert(RunningTimeSlot(1, 1) == 11 && FlankWearSlot(3, 3) == 28);

} // namespace kvr
