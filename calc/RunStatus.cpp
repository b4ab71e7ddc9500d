#include "RunStatus.h"

namespace kvr {

void RecordCalculation(RunStatus &status, const CalculationInputs &inputs,
                       const CalculationOutcome &outcome) {
    CalculationRecord &record = status.calculation;
    record.run += 1;
    record.usable = outcome.results == ButtonChange::Enable;
    record.reached = outcome.reached;
    record.userName = inputs.userName;
    record.texts = {};
    for (const FieldRead &read : outcome.fields)
        record.texts[static_cast<std::size_t>(read.field->slot)] = read.text;
    // The models of an older run are retired, whatever this press found.
    status.models = {};
    status.graphsAllowed = false;
}

void RecordDetermination(RunStatus &status, const DeterminationOutcome &outcome) {
    ModelsRecord &models = status.models;
    if (outcome.wearModel) {
        models.run = status.calculation.run;
        models.chosenTime = outcome.chosenTimeText;
        models.wear = outcome.wearModel;
    }
    // A fault in the tool-life fit leaves the last tool-life model of this run shown;
    // it does not depend on the chosen time.
    if (outcome.lifeModel)
        models.life = outcome.lifeModel;
    status.graphsAllowed = outcome.graphsAllowed;
}

void RecordOpening(RunStatus &status) {
    status.calculation.usable = false;
    status.models = {};
    status.graphsAllowed = false;
}

bool ModelsCurrent(const RunStatus &status) {
    return status.models.run != 0 && status.models.run == status.calculation.run;
}

AllowedButtons Buttons(const RunStatus &status) {
    const bool usable = status.calculation.usable;
    return {.results = usable,
            .graphs = usable && status.graphsAllowed && ModelsCurrent(status) &&
                      status.models.wear && status.models.life,
            .determine = usable,
            .copy = usable};
}

} // namespace kvr
