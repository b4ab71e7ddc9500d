#pragma once

#include "FormBuilder.h"
#include "Titles.h"

#include <span>

namespace kvr {

// The results window's controls in design coordinates, parents before children.
std::span<const ControlRow> ResultWindowLayout();

// The design row of one control, by name.
const ControlRow &ResultWindowRow(const char *name);

} // namespace kvr
