// The labels of the results window that show results, by what they show.
#pragma once

#include "CalculationRun.h"

namespace kvr {

struct CutterLabels {
    const char *speed;
    const char *total;
    const char *wear[kIntervals]; // after intervals 1..3
};
inline constexpr CutterLabels kCutterLabels[kCutters] = {
    {"Label6", "Label3", {"Label13", "Label14", "Label15"}},
    {"Label8", "Label7", {"Label9", "Label10", "Label11"}},
    {"Label24", "Label23", {"Label25", "Label26", "Label27"}},
};
inline constexpr const char *kAllowableWearLabel = "Label31";
inline constexpr const char *kStudentLabel = "Label50";
inline constexpr const char *kInstructorLabel = "Label51";
inline constexpr const char *kNotesLabel = "Label53";

// A model's formula: the letter it leads with, the coefficient and exponent a
// determination writes, and the symbols it hides.
struct FormulaLabels {
    const char *lead;
    const char *coefficient;
    const char *exponent;
    const char *symbols[3];
};
inline constexpr FormulaLabels kWearFormula{
    "Label33", "Label34", "Label39", {"Label35", "Label36", "Label37"}};
inline constexpr FormulaLabels kLifeFormula{
    "Label40", "Label41", "Label46", {"Label42", "Label43", "Label44"}};

// What shows `item`, among the labels of each cutter (with `speed`, `total` and `wear`), the
// student's and the allowable wear's: by name in the layout, or as built.
template <typename Cutter, typename Label>
Label PickResultLabel(const ResultItem &item, const Cutter *cutters, Label student,
                      Label allowableWear) {
    switch (item.kind) {
    case ResultKind::Student:
        return student;
    case ResultKind::Speed:
        return cutters[item.cutter - 1].speed;
    case ResultKind::TotalTime:
        return cutters[item.cutter - 1].total;
    case ResultKind::DimensionalWear:
        return cutters[item.cutter - 1].wear[item.interval - 1];
    case ResultKind::AllowableWear:
        break;
    }
    return allowableWear;
}

inline const char *ResultLabel(const ResultItem &item) {
    return PickResultLabel(item, kCutterLabels, kStudentLabel, kAllowableWearLabel);
}

} // namespace kvr
