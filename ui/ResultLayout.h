#pragma once

#include "FormBuilder.h"

#include <span>

namespace kvr {

// The results window's controls in design coordinates, parents before children.
std::span<const ControlRow> ResultWindowLayout();

} // namespace kvr
