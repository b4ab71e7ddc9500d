// What to fix after an arithmetic fault: the cause a student can act on, told beside the
// fault's own text, found from what the record held when the fault stopped the press.
#pragma once

#include "CalculationState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// A sentence in the source language, its pattern with "%1"… for the interface to
// translate, and the values that fill it.
struct CauseText {
    std::string text;
    const char *pattern = "";
    std::vector<std::string> values;
};

// After a fault in the wear lines: a cutter whose measuring moments coincide.
std::optional<CauseText> WearLineFaultCause(const CalculationState &state);

// After a fault from the tool life on (`fitting`: in the model fits): equal cutting speeds,
// which leave no model to fit, or a cutter whose wear does not grow, which wears out never.
std::optional<CauseText> ModelFaultCause(const CalculationState &state, bool fitting,
                                         std::string_view separator);

} // namespace kvr
