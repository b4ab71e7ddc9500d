// Which calculation a shown number belongs to. Every "Розрахувати" starts a new run and
// records what it read; a determination records the run it was fitted on. Whether the
// models, the graphs and the copies are current is a comparison of run numbers here, and
// the result buttons follow from this record alone.
#pragma once

#include "CalculationRun.h"

#include <array>
#include <optional>
#include <string>

namespace kvr {

// What the last "Розрахувати" read.
struct CalculationRecord {
    int run = 0; // 0 before the first press
    bool usable = false;
    std::string userName;
    std::array<std::string, kMainWindowSlots> texts; // by slot, as the fields show them once read
    CalculationStep reached = CalculationStep::ConditionsRead;
};

// The models the results window shows.
struct ModelsRecord {
    int run = 0;            // the calculation they were fitted on; 0: none shown
    std::string chosenTime; // τ_д as its box showed it after that determination
    std::optional<ModelText> wear;
    std::optional<ModelText> life;
};

struct RunStatus {
    CalculationRecord calculation;
    ModelsRecord models;
    bool graphsAllowed = false; // the verdict of the last determination on this run
};

void RecordCalculation(RunStatus &status, const CalculationInputs &inputs,
                       const CalculationOutcome &outcome);
void RecordDetermination(RunStatus &status, const DeterminationOutcome &outcome);
// Opened texts: nothing of the last run may be used until the next calculation. The run
// keeps its number, so that nothing takes an older result for new.
void RecordOpening(RunStatus &status);

// Whether the shown models were fitted on the last calculation.
bool ModelsCurrent(const RunStatus &status);

// Which of the buttons that use results may be pressed.
struct AllowedButtons {
    bool results = false;   // "Результати розрахунків"
    bool graphs = false;    // "Графіки"
    bool determine = false; // "Визначити параметри"
    bool copy = false;      // "Копіювати результати" and the reports
    bool operator==(const AllowedButtons &) const = default;
};
AllowedButtons Buttons(const RunStatus &status);

} // namespace kvr
