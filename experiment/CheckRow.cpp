#include "CheckRow.h"

#include <algorithm>

namespace kvr {

namespace {

const char *const kStatusWords[] = {"file", "input", "fault", "warning", "ok"};

// The results in the order of their columns: those of the results window's labels, then
// the wear lines and the models.
std::vector<ResultItem> LabelledResults() {
    using enum ResultKind;
    std::vector<ResultItem> items;
    for (ResultKind kind : {Speed, TotalTime})
        for (int i = 1; i <= kCutters; ++i)
            items.push_back({kind, i});
    for (int i = 1; i <= kCutters; ++i)
        for (int j = 1; j <= kIntervals; ++j)
            items.push_back({DimensionalWear, i, j});
    items.push_back({AllowableWear});
    return items;
}

const char *KindName(ResultKind kind) {
    switch (kind) {
    case ResultKind::Speed:
        return "cutting_speed";
    case ResultKind::TotalTime:
        return "total_time";
    case ResultKind::DimensionalWear:
        return "dimensional_wear";
    case ResultKind::AllowableWear:
        return "allowable_dimensional_wear";
    case ResultKind::Student:
        break;
    }
    return "name";
}

std::string ColumnName(const ResultItem &item) {
    std::string name = KindName(item.kind);
    for (int index : {item.cutter, item.interval})
        if (index > 0)
            name += '_' + std::to_string(index);
    return name;
}

const char *const kModelColumns[] = {"wear_model_c", "wear_model_k", "life_model_c",
                                     "life_model_z"};

// Empty parts are left out: a warning's second line may be empty.
std::string Joined(const std::vector<std::string> &parts, const std::string &separator) {
    std::string joined;
    for (const std::string &part : parts)
        if (!part.empty())
            joined += (joined.empty() ? "" : separator) + part;
    return joined;
}

// The fields whose reading the windows would mark, by their labels.
std::string InputProblem(const FileRun &run) {
    std::vector<std::string> unread;
    for (const FieldRead &read : run.calculation.fields)
        if (run.state.input_error_flags[static_cast<std::size_t>(read.field->slot)] != 0)
            unread.push_back(FieldLabel(read.field->slot));
    if (run.determination && run.state.input_error_flags[kChosenTimeSlot] != 0)
        unread.push_back(FieldLabel(kChosenTimeSlot));
    std::vector<std::string> sentences;
    if (!unread.empty())
        sentences.push_back("Не вдалося прочитати: " + Joined(unread, ", ") + ".");
    if (!run.calculation.nameGiven)
        sentences.push_back("Не вказано ім'я користувача.");
    return Joined(sentences, " ");
}

void AddResults(const FileRun &run, std::vector<std::string> &cells) {
    const std::vector<ResultItem> items = LabelledResults();
    const std::size_t first = cells.size();
    cells.resize(first + items.size());
    for (const LabelText &label : run.calculation.labels)
        if (const auto at = std::find(items.begin(), items.end(), label.item); at != items.end())
            cells[first + std::size_t(at - items.begin())] = label.value;
    const bool lines = run.calculation.reached >= CalculationStep::WearLines;
    for (int i = 1; i <= kCutters; ++i)
        cells.push_back(lines ? WearLineText(run.state, i, run.separator) : "");
    const DeterminationOutcome none;
    const DeterminationOutcome &models = run.determination ? *run.determination : none;
    for (const std::optional<ModelText> &model : {models.wearModel, models.lifeModel}) {
        cells.push_back(model ? model->coefficient : "");
        cells.push_back(model ? model->exponent : "");
    }
}

} // namespace

Verdict Judge(const FileRun &run) {
    if (const auto *problem = std::get_if<std::string>(&run.read))
        return {CheckStatus::File, *problem};
    if (std::string problem = InputProblem(run); !problem.empty())
        return {CheckStatus::Input, problem};
    std::optional<std::string> fault = run.calculation.fault;
    std::optional<WarningText> warning = run.calculation.warning;
    if (run.determination) {
        fault = fault ? fault : run.determination->fault;
        warning = warning ? warning : run.determination->warning;
    }
    // The error box adds a full stop.
    if (fault)
        return {CheckStatus::Fault, *fault + "."};
    if (warning)
        return {CheckStatus::Warning, Joined({warning->first, warning->second}, " ")};
    return {CheckStatus::Ok, ""};
}

std::vector<std::string> CheckColumns() {
    std::vector<std::string> columns{"file", "status", "message"};
    const ExperimentTexts none;
    for (const NamedText &text : NamedTexts(none))
        columns.push_back(text.name);
    for (const ResultItem &item : LabelledResults())
        columns.push_back(ColumnName(item));
    for (int i = 1; i <= kCutters; ++i)
        columns.push_back("wear_line_" + std::to_string(i));
    columns.insert(columns.end(), std::begin(kModelColumns), std::end(kModelColumns));
    return columns;
}

std::vector<std::string> CheckCells(const QString &path, const FileRun &run,
                                    const Verdict &verdict) {
    std::vector<std::string> cells{path.toStdString(),
                                   kStatusWords[static_cast<int>(verdict.status)], verdict.message};
    const ExperimentTexts none;
    const auto *texts = std::get_if<ExperimentTexts>(&run.read);
    for (const NamedText &text : NamedTexts(texts ? *texts : none))
        cells.push_back(text.text);
    if (verdict.status == CheckStatus::File || verdict.status == CheckStatus::Input)
        cells.resize(CheckColumns().size());
    else
        AddResults(run, cells);
    return cells;
}

std::string CheckLine(const std::vector<std::string> &cells) {
    std::string line;
    for (std::size_t k = 0; k < cells.size(); ++k)
        line += (k == 0 ? "" : "\t") + OneCell(cells[k]);
    return line + '\n';
}

} // namespace kvr
