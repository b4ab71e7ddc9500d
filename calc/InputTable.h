#pragma once

#include "CalculationState.h"

#include <array>

namespace kvr {

enum class InputKind {
    AngleList, // a list of degrees, stored in radians
    List,      // a list that only has to have a selection
    Number,    // a typed number, commas turned into points
};

// One input control of the main window: its name, its slot in input_error_flags and the
// record field it is read into (none for a list that only has to have a selection).
struct InputField {
    const char *control;
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
    {"ComboBox2", 0, InputKind::AngleList, &fields::Direct<&CalculationState::phi>},
    {"ComboBox3", 1, InputKind::AngleList, &fields::Direct<&CalculationState::phi1>},
    {"ComboBox4", 2, InputKind::AngleList, &fields::Direct<&CalculationState::alpha>},
    {"ComboBox5", 3, InputKind::AngleList, &fields::Direct<&CalculationState::gamma>},
    {"ComboBox1", 4, InputKind::List, nullptr},
    {"Edit3", 5, InputKind::Number, &fields::Direct<&CalculationState::diameter>},
    {"Edit10", 6, InputKind::Number, &fields::Direct<&CalculationState::depth_of_cut>},
    {"Edit11", 7, InputKind::Number, &fields::Direct<&CalculationState::feed>},
    {"Edit12", 8, InputKind::Number, &fields::SpindleSpeed<1>},
    {"Edit13", 9, InputKind::Number, &fields::SpindleSpeed<2>},
    {"Edit14", 10, InputKind::Number, &fields::SpindleSpeed<3>},
    {"Edit2", 29, InputKind::Number, &fields::Direct<&CalculationState::allowable_flank_wear>},
    {"Edit4", 11, InputKind::Number, &fields::RunningTime<1, 1>},
    {"Edit5", 12, InputKind::Number, &fields::RunningTime<1, 2>},
    {"Edit6", 13, InputKind::Number, &fields::RunningTime<1, 3>},
    {"Edit7", 14, InputKind::Number, &fields::RunningTime<2, 1>},
    {"Edit9", 15, InputKind::Number, &fields::RunningTime<2, 2>},
    {"Edit15", 16, InputKind::Number, &fields::RunningTime<2, 3>},
    {"Edit22", 17, InputKind::Number, &fields::RunningTime<3, 1>},
    {"Edit23", 18, InputKind::Number, &fields::RunningTime<3, 2>},
    {"Edit24", 19, InputKind::Number, &fields::RunningTime<3, 3>},
    {"Edit19", 20, InputKind::Number, &fields::FlankWear<1, 1>},
    {"Edit20", 21, InputKind::Number, &fields::FlankWear<1, 2>},
    {"Edit21", 22, InputKind::Number, &fields::FlankWear<1, 3>},
    {"Edit16", 23, InputKind::Number, &fields::FlankWear<2, 1>},
    {"Edit17", 24, InputKind::Number, &fields::FlankWear<2, 2>},
    {"Edit18", 25, InputKind::Number, &fields::FlankWear<2, 3>},
    {"Edit25", 26, InputKind::Number, &fields::FlankWear<3, 1>},
    {"Edit26", 27, InputKind::Number, &fields::FlankWear<3, 2>},
    {"Edit27", 28, InputKind::Number, &fields::FlankWear<3, 3>},
}};

inline constexpr int kFieldsBeforeAllowableWear = 12;
static_assert(kInputFields[kFieldsBeforeAllowableWear - 1].slot == 29);

} // namespace kvr
