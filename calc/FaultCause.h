// What to fix after an arithmetic fault: the cause a student can act on, told beside the
// fault's own text, found from what the record held when the fault stopped the press.
#pragma once

#include "CalculationState.h"
#include "PressSteps.h"

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

// After a fault in "Розрахувати" that stopped it past `reached`: the speed that does not fit
// a number, or the cutter whose wear line cannot be drawn.
std::optional<CauseText> CalculationFaultCause(const CalculationState &state,
                                               CalculationStep reached);

// After a fault in "Визначити параметри" that stopped it past `reached`: the diameter or
// spindle speed that leaves a speed not above zero, equal speeds, a cutter whose wear does
// not grow or whose wear or tool life is not above zero, or a model beyond a number.
std::optional<CauseText> DeterminationFaultCause(const CalculationState &state,
                                                 DeterminationStep reached,
                                                 std::string_view separator);

// The fault's own text ("Floating point overflow") told in the source language, as the
// windows' messages other than the error box tell it.
const char *FaultWords(std::string_view fault);

} // namespace kvr
