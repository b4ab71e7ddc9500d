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

std::string CoefficientCaption(const ModelText &model) { return "= " + model.coefficient + "V"; }

std::string OneCell(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace kvr
