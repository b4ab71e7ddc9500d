// The calculation core of Kelvora "KVR": plain C++, no Qt, no window.
//
//   CalculationState  the record of one run (inputs, results, models), its numbers in
//                     CalculationValues and a flag per input slot
//   NumberSyntax      reading a typed number, the same syntax in every field
//   FormatFixed       the number-to-text rule of every shown number
//   ArithmeticFault   division by zero, invalid operation, overflow as exceptions
//   WearCalculation   allowable wear, speeds, dimensional wear, wear lines, the check
//   ModelFit          time span, wear and tool life at a chosen time, power-law fits
//   InputTable        the main window's inputs: their slots and record fields
//   CalculationRun    the order of the two presses, and what each leaves to show
//   ResultTexts       the text of every shown result, for labels, copies and reports
//   RunStatus         which run a shown result belongs to; the result buttons' rule
#pragma once

#include "InputTable.h"

#include <array>
#include <cstdint>

namespace kvr {

// The record of one run: its numbers, and per input slot whether the field could be read.
struct CalculationState : CalculationValues {
    std::array<std::int32_t, kInputSlots> input_error_flags{};

    bool operator==(const CalculationState &) const = default;
};

} // namespace kvr
