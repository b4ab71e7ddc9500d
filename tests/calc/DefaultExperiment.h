#pragma once

#include "ArithmeticFault.h"
#include "CalculationRun.h"
#include "CalculationState.h"
#include "InputTable.h"
#include "NumberSyntax.h"
#include "WearCalculation.h"

#include <functional>
#include <string>

namespace kvr::test {

// The main window's defaults read as "Розрахувати" reads them: φ = φ1 = 45°, α = 8°,
// γ = 10°, D = 95 mm, n = 610, 380, 185 rev/min, [h_з] = 50 µm, τ = 1 / 1.5 / 2 min per
// interval, h_з = 33, 40, 43 / 21, 26, 35 / 15, 23, 26 µm.
inline CalculationState DefaultInputs() {
    CalculationState s;
    for (const InputField &field : kInputFields) {
        if (!field.field)
            continue;
        const double value =
            ReadNumber(WithPoints(kDefaultFieldTexts[std::size_t(field.slot)])).value;
        field.field(s) = field.kind == InputKind::AngleList ? DegreesToRadians(value) : value;
    }
    return s;
}

// Steps A, B and E as the "Розрахувати" press runs them.
inline CalculationState DefaultCalculated() {
    CalculationState s = DefaultInputs();
    ComputeAllowableDimensionalWear(s);
    ComputeSpeedsAndDimensionalWear(s);
    ComputeWearLines(s);
    return s;
}

// The message the application's error box would show, or "" when nothing was thrown.
inline std::string FaultOf(const std::function<void()> &operation) {
    try {
        operation();
    } catch (const ArithmeticFault &fault) {
        return fault.what();
    }
    return "";
}

} // namespace kvr::test
