// Whole presses of "Розрахувати" and "Визначити параметри" on any typed texts: every
// text the windows would show is free of "inf" and "nan", the record holds only finite
// numbers, a fault is one of the three arithmetic faults and leaves no button enabled.
#include "ArithmeticFault.h"
#include "CalculationRun.h"
#include "FuzzCheck.h"
#include "ModelFit.h"
#include "RecordFields.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

bool ShowsInfOrNan(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

void CheckShown(const std::string &text, const char *where) {
    FUZZ_CHECK(!ShowsInfOrNan(text), "%s shows \"%s\"", where, text.c_str());
}

void CheckRecord(kvr::CalculationState &state, const char *press) {
    ForEachDouble(state, [&](const std::string &name, double &v) {
        FUZZ_CHECK(std::isfinite(v), "%s stored %s = %g", press, name.c_str(), v);
    });
}

// Every fault says what to mend.
void CheckFault(const std::optional<std::string> &fault,
                const std::optional<kvr::CauseText> &cause) {
    if (fault)
        FUZZ_CHECK((*fault == kvr::kDivisionByZero || *fault == kvr::kInvalidOperation ||
                    *fault == kvr::kOverflow) &&
                       cause,
                   "fault \"%s\" %s", fault->c_str(), cause ? "" : "without a cause");
}

// The name, the thirty fields by slot and the chosen time, one per line.
std::vector<std::string> Lines(const std::uint8_t *data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += char(data[i]);
    }
    lines.resize(kvr::kMainWindowSlots + 2);
    return lines;
}

void CheckCalculation(kvr::CalculationState &state, const kvr::CalculationInputs &inputs) {
    const kvr::CalculationOutcome outcome = kvr::RunCalculation(state, inputs);
    CheckFault(outcome.fault, outcome.faultCause);
    for (const kvr::LabelText &label : outcome.labels)
        // The student line repeats the typed name, whatever it is.
        if (label.item.kind != kvr::ResultKind::Student)
            CheckShown(label.text, "a result label");
    for (const kvr::FieldRead &read : outcome.fields) {
        const std::size_t slot = std::size_t(read.field->slot);
        FUZZ_CHECK(read.text.size() == inputs.fields[slot].text.size(),
                   "slot %d changed its length", read.field->slot);
        FUZZ_CHECK((state.input_error_flags[slot] != 0) ==
                       (read.problem.kind != kvr::ProblemKind::None),
                   "slot %d marked without a reason, or a reason unmarked", read.field->slot);
    }
    if (outcome.warning) {
        CheckShown(outcome.warning->first, "allowable-wear warning");
        CheckShown(outcome.warning->second, "allowable-wear warning");
    }
    if (outcome.fault || outcome.warning)
        FUZZ_CHECK(outcome.results == kvr::ButtonChange::Disable &&
                       outcome.graphs == kvr::ButtonChange::Disable,
                   "a failed press leaves a result button enabled");
    FUZZ_CHECK(outcome.graphs != kvr::ButtonChange::Enable, "Розрахувати enabled Графіки");
    CheckRecord(state, "Розрахувати");
}

void CheckDetermination(kvr::CalculationState &state, const std::string &chosenTime,
                        const std::string &separator) {
    const kvr::DeterminationOutcome outcome = kvr::DetermineModels(state, chosenTime, separator);
    CheckFault(outcome.fault, outcome.faultCause);
    for (const auto &model : {outcome.wearModel, outcome.lifeModel})
        if (model) {
            CheckShown(model->coefficient, "model coefficient");
            CheckShown(model->exponent, "model exponent");
        }
    if (outcome.warning) {
        CheckShown(outcome.warning->first, "span warning");
        CheckShown(outcome.warning->second, "span warning");
    }
    FUZZ_CHECK(!outcome.graphsAllowed || (!outcome.fault && !outcome.warning && outcome.lifeModel),
               "Графіки allowed by a failed determination");
    // One cutting speed for all three leaves no slope but rounding noise to show.
    FUZZ_CHECK(!kvr::AllEqual(state.cutting_speed) || !outcome.wearModel,
               "a model fitted on equal speeds");
    CheckRecord(state, "Визначити параметри");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::vector<std::string> lines = Lines(data + 1, size - 1);
    kvr::CalculationInputs inputs;
    inputs.separator = (data[0] & 1) ? "," : ".";
    inputs.userName = lines[0];
    for (int slot = 0; slot < kvr::kMainWindowSlots; ++slot)
        inputs.fields[std::size_t(slot)].text = lines[std::size_t(slot) + 1];
    inputs.fields[kvr::kMaterialSlot].selected = !(data[0] & 2);
    inputs.commaGroupsThousands = data[0] & 4;
    kvr::CalculationState state;
    CheckCalculation(state, inputs);
    CheckDetermination(state, lines.back(), inputs.separator);
    // A second press on the same record, as a student presses again.
    CheckCalculation(state, inputs);
    return 0;
}
