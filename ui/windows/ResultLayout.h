#pragma once

#include "FormBuilder.h"

#include <span>

namespace kvr {

// The results window's own words in its title, which the reports repeat.
inline constexpr const char *kResultWindowWords =
    QT_TRANSLATE_NOOP("Title", "Результати розрахунків");

// The results window's controls in design coordinates, parents before children.
std::span<const ControlRow> ResultWindowLayout();

// The design row of one control, by name.
const ControlRow &ResultWindowRow(const char *name);

} // namespace kvr
