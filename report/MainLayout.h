#pragma once

#include "ControlRow.h"

#include <vector>

namespace kvr {

// The main window's controls in design coordinates, parents before children.
const std::vector<ControlRow> &MainWindowLayout();
// The slots of the conditions, the fields before the measurements, in the window's tab order.
std::vector<int> ConditionSlots();

inline constexpr int kMainOuterWidth = 801;
inline constexpr int kMainOuterHeight = 431;

} // namespace kvr
