// The steps of the two presses that calculate, each the last one a press completed.
#pragma once

namespace kvr {

// The steps of "Розрахувати", in order.
enum class CalculationStep {
    ConditionsRead,
    AllowableWear,
    MeasurementsRead,
    SpeedsAndWear,
    LabelsWritten,
    ButtonsDecided,
    WearLines,
    AllowableWearChecked,
};

// The steps of "Визначити параметри", in order.
enum class DeterminationStep { TimeRead, SpanChecked, WearAndToolLife, WearModel, LifeModel };

} // namespace kvr
