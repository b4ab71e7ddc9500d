// The worked example the main window starts with, as its fields show it.
#pragma once

#include "CalculationState.h"
#include "Translatable.h"

#include <array>

namespace kvr {

// By slot: φ, φ1, α, γ, the material, D, h, S, n1..n3, the running times of cutters 1..3
// over intervals 1..3, the flank wear likewise, and the allowable flank wear. The texts
// with a decimal sign are translated with the controls, so that an English window starts
// with the point its language writes.
inline constexpr std::array<const char *, kMainWindowSlots> kDefaultFieldTexts{
    "45",
    "45",
    "8",
    "10",
    "сталь 12Х18Н9Т",
    "95",
    QT_TRANSLATE_NOOP("Form", "0,25"),
    QT_TRANSLATE_NOOP("Form", "0,1"),
    "610",
    "380",
    "185",
    "1",
    "1",
    "1",
    QT_TRANSLATE_NOOP("Form", "1,5"),
    "1,5",
    "1,5",
    "2",
    "2",
    "2",
    "33",
    "40",
    "43",
    "21",
    "26",
    "35",
    "15",
    "23",
    "26",
    "50",
};
inline constexpr const char *kDefaultChosenTime = "3";

} // namespace kvr
