// The wear calculation and both model fits on any finite doubles in the record: each step
// either ends with finite stored results or raises the arithmetic fault, and never stores
// inf, nan or anything outside its own fields.
#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "FuzzCheck.h"
#include "ModelFit.h"
#include "RecordFields.h"
#include "WearCalculation.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using kvr::CalculationState;

std::vector<double> Snapshot(CalculationState &s) {
    std::vector<double> values;
    ForEachDouble(s, [&](const std::string &, double &v) { values.push_back(v); });
    return values;
}

struct Step {
    const char *name;
    std::vector<std::string> writes;
    std::function<void(CalculationState &)> run;
};

bool Writes(const Step &step, const std::string &field) {
    for (const std::string &w : step.writes)
        if (w == field)
            return true;
    return false;
}

void CheckFinite(long double value, const char *step) {
    FUZZ_CHECK(std::isfinite(value), "%s returned %Lg", step, value);
}

// Runs the steps in order like a handler: the first fault ends the run. After every step,
// a changed field is one of the step's own and finite; after a completed step, all of its
// fields are finite.
void RunHandler(CalculationState &s, const std::vector<Step> &steps) {
    for (const Step &step : steps) {
        const std::vector<double> before = Snapshot(s);
        bool faulted = false;
        try {
            step.run(s);
        } catch (const kvr::ArithmeticFault &) {
            faulted = true;
        }
        std::size_t index = 0;
        ForEachDouble(s, [&](const std::string &name, double &v) {
            const bool changed = std::memcmp(&v, &before[index++], sizeof v) != 0;
            FUZZ_CHECK(!changed || Writes(step, name), "%s wrote %s", step.name, name.c_str());
            if (changed || (!faulted && Writes(step, name)))
                FUZZ_CHECK(std::isfinite(v), "%s stored %s = %g", step.name, name.c_str(), v);
        });
        if (faulted)
            return;
    }
}

const std::vector<Step> &CalculationSteps() {
    static const std::vector<Step> steps = {
        {"allowable wear", {"allowable_dimensional_wear"}, kvr::ComputeAllowableDimensionalWear},
        {"speeds", {"cutting_speed", "dimensional_wear"}, kvr::ComputeSpeedsAndDimensionalWear},
        {"totals",
         {},
         [](CalculationState &s) {
             for (int i = 1; i <= kvr::kCutters; ++i)
                 CheckFinite(kvr::TotalRunningTime(s, i), "TotalRunningTime");
         }},
        {"wear lines", {"cumulative_time", "wear_rate", "initial_wear"}, kvr::ComputeWearLines},
        {"check",
         {"max_initial_wear"},
         [](CalculationState &s) {
             if (const auto minimum = kvr::CheckAllowableWear(s))
                 CheckFinite(*minimum, "CheckAllowableWear");
         }},
    };
    return steps;
}

const std::vector<Step> &DeterminationSteps() {
    static const std::vector<Step> steps = {
        {"time span",
         {"max_first_time", "max_total_time"},
         [](CalculationState &s) {
             kvr::ComputeTimeSpan(s);
             CheckFinite(kvr::SpanLowerBound(s), "SpanLowerBound");
             CheckFinite(kvr::SpanUpperBound(s), "SpanUpperBound");
             kvr::ChosenTimeInSpan(s);
         }},
        {"wear at chosen time", {"wear_at_chosen_time"}, kvr::ComputeWearAtChosenTime},
        {"tool life", {"tool_life"}, kvr::ComputeToolLife},
        {"wear model", {"wear_model_exponent", "wear_model_coefficient"}, kvr::FitWearModel},
        {"life model", {"life_model_exponent", "life_model_coefficient"}, kvr::FitLifeModel},
    };
    return steps;
}

// Eight bytes per double in declaration order; missing bytes are zero and a non-finite
// pattern reads as zero, since no field of the record ever holds one.
CalculationState StateFrom(const std::uint8_t *data, std::size_t size) {
    CalculationState s;
    std::size_t offset = 0;
    ForEachDouble(s, [&](const std::string &, double &v) {
        std::uint8_t bytes[sizeof(double)] = {};
        if (offset < size)
            std::memcpy(bytes, data + offset, std::min(sizeof bytes, size - offset));
        offset += sizeof bytes;
        std::memcpy(&v, bytes, sizeof v);
        if (!std::isfinite(v))
            v = 0;
    });
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    CalculationState s = StateFrom(data, size);
    RunHandler(s, CalculationSteps());
    // The determination also on a record the calculation has not touched.
    CalculationState fresh = StateFrom(data, size);
    RunHandler(s, DeterminationSteps());
    RunHandler(fresh, DeterminationSteps());
    return 0;
}
