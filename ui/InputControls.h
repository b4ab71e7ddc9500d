// Which control of the main window holds which input, by the input's slot.
#pragma once

#include "CalculationState.h"

#include <array>

namespace kvr {

inline constexpr std::array<const char *, kMainWindowSlots> kInputControls{
    "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox1", "Edit3",  "Edit10", "Edit11",
    "Edit12",    "Edit13",    "Edit14",    "Edit4",     "Edit5",     "Edit6",  "Edit7",  "Edit9",
    "Edit15",    "Edit22",    "Edit23",    "Edit24",    "Edit19",    "Edit20", "Edit21", "Edit16",
    "Edit17",    "Edit18",    "Edit25",    "Edit26",    "Edit27",    "Edit2",
};

inline const char *InputControl(int slot) { return kInputControls[static_cast<std::size_t>(slot)]; }

} // namespace kvr
