#include "ResultTexts.h"

#include "FormatFixed.h"
#include "WearCalculation.h"

#include <algorithm>

namespace kvr {

std::string SpeedText(const CalculationState &state, int cutter, std::string_view separator) {
    return FormatFixed(state.cutting_speed[cutter], 10, 2, separator);
}

std::string TotalTimeText(const CalculationState &state, int cutter, std::string_view separator) {
    return FormatFixed(TotalRunningTime(state, cutter), 3, 2, separator);
}

std::string DimensionalWearText(const CalculationState &state, int cutter, int interval,
                                std::string_view separator) {
    return FormatFixed(state.dimensional_wear[cutter][interval], 3, 2, separator);
}

std::string AllowableWearText(const CalculationState &state, std::string_view separator) {
    return FormatFixed(state.allowable_dimensional_wear, 3, 2, separator);
}

std::string WearLineText(const CalculationState &state, int cutter, std::string_view separator) {
    const std::string a = FormatFixed(state.wear_rate[cutter], 5, 3, separator);
    const std::string b = FormatFixed(state.initial_wear[cutter], 5, 3, separator);
    // A falling intercept reads "- 1,000", not "+ -1,000".
    return "h = " + a + "·τ " + (b.front() == '-' ? "- " + b.substr(1) : "+ " + b);
}

std::string CoefficientCaption(const ModelText &model) { return "= " + model.coefficient + "V"; }

std::string OneCell(std::string text) {
    // UTF-8 keeps every byte below 0x80 for its ASCII character, so C0 controls and DEL
    // are found byte by byte.
    std::replace_if(
        text.begin(), text.end(), [](char c) { return (c >= 0 && c < ' ') || c == '\x7f'; }, ' ');
    return text;
}

} // namespace kvr
