#pragma once

#include "FormBuilder.h"

#include <vector>

namespace kvr {

// The main window's controls in design coordinates, parents before children.
const std::vector<ControlSpec> &MainWindowLayout();

inline constexpr int kMainClientWidth = 785;  // 801 outer less a 2 × 8 pixel frame
inline constexpr int kMainClientHeight = 392; // 431 outer less title bar and frame

} // namespace kvr
