// The texts of every result a window shows, copies or prints: one function per number,
// so that a label, the copied table and the printed report cannot disagree.
#pragma once

#include "CalculationState.h"

#include <string>
#include <string_view>

namespace kvr {

// Cutting speed of cutter i in m/min: "182,06".
std::string SpeedText(const CalculationState &state, int cutter, std::string_view separator);
// Total running time of cutter i in minutes: "3,00".
std::string TotalTimeText(const CalculationState &state, int cutter, std::string_view separator);
// Dimensional wear of cutter i after interval j in µm: "3,36".
std::string DimensionalWearText(const CalculationState &state, int cutter, int interval,
                                std::string_view separator);
// The allowable dimensional wear [h_р] in µm: "5,10".
std::string AllowableWearText(const CalculationState &state, std::string_view separator);

// The wear line of cutter i, h = a·τ + b in µm with τ in minutes: "h = 0,510·τ + 2,921".
std::string WearLineText(const CalculationState &state, int cutter, std::string_view separator);

// A model's formula as shown: the coefficient alone ("0,110") and the exponent ("0,701").
struct ModelText {
    std::string coefficient;
    std::string exponent;
};

// The text of a formula's coefficient label: "= 0,110V".
std::string CoefficientCaption(const ModelText &model);

// The name as one table cell: tabs and line breaks would split the copied table, and
// other control characters have no business on a clipboard or a page.
std::string OneCell(std::string text);

} // namespace kvr
