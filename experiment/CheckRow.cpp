#include "CheckRow.h"

#include "NativeNames.h"
#include "NumberSyntax.h"
#include "QuantityTexts.h"
#include "RunReport.h"
#include "TranslatedTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace kvr {

namespace {

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
            unread.push_back(FieldLabel(TypedValueAt(read.field->slot)).toStdString());
    if (run.determination && run.state.input_error_flags[kChosenTimeSlot] != 0)
        unread.push_back(FieldLabel(TypedValueAt(kChosenTimeSlot)).toStdString());
    std::vector<std::string> sentences;
    if (!unread.empty())
        sentences.push_back(QCoreApplication::translate("Check", "Не вдалося прочитати: %1.")
                                .arg(QString::fromStdString(Joined(unread, ", ")))
                                .toStdString());
    if (!run.calculation.nameGiven)
        sentences.push_back(
            QCoreApplication::translate("Check", "Не вказано ім'я користувача.").toStdString());
    return Joined(sentences, " ");
}

// A list's item in the interface's language, as its window shows it; any other text as the
// table shows typed texts.
std::string TypedCell(const QuantityValue &value, const std::string &text) {
    const int slot = value.Slot();
    const auto items = ListItems(slot);
    if (slot >= 0 && kInputs[std::size_t(slot)].kind == InputKind::List &&
        std::find(items.begin(), items.end(), text) != items.end())
        return ListItemText(text).toStdString();
    return ShownTypedText(text);
}

} // namespace

Verdict Judge(const FileRun &run) {
    if (!run.read)
        return {CheckStatus::File, run.read.Error().Reason(FileAction::Open).toStdString()};
    if (std::string problem = InputProblem(run); !problem.empty())
        return {CheckStatus::Input, problem};
    std::optional<std::string> fault = run.calculation.fault;
    std::optional<CauseText> cause = run.calculation.faultCause;
    std::optional<WarningText> warning = run.calculation.warning;
    if (run.determination && !fault) {
        fault = run.determination->fault;
        cause = run.determination->faultCause;
    }
    if (run.determination)
        warning = warning ? warning : run.determination->warning;
    if (fault)
        return {CheckStatus::Fault, FaultMessage(*fault, cause).toStdString()};
    if (warning) {
        const WarningLines lines = WarningWindowLines(*warning);
        return {CheckStatus::Warning,
                Joined({lines.first.toStdString(), lines.second.toStdString()}, " ")};
    }
    return {CheckStatus::Ok, ""};
}

const char *StatusWord(CheckStatus status) {
    return kCheckStatuses[static_cast<std::size_t>(status)].word;
}

std::vector<TableColumn> ColumnsOf(std::span<const Quantity> quantities) {
    std::vector<TableColumn> columns;
    for (const CheckColumn &column : kCheckColumns) {
        if (column.kind != CheckColumnKind::Quantity)
            columns.push_back({&column});
        for (const QuantityValue &value : column.kind == CheckColumnKind::Quantity
                                              ? QuantityValues(quantities)
                                              : std::vector<QuantityValue>())
            columns.push_back({&column, value});
    }
    return columns;
}

std::span<const TableColumn> TableColumns() {
    static const std::vector<TableColumn> columns = ColumnsOf(kQuantities);
    return columns;
}

std::vector<std::string> CheckColumns(std::span<const Quantity> quantities) {
    std::vector<std::string> names;
    for (const TableColumn &column : ColumnsOf(quantities))
        names.push_back(column.value.quantity ? column.value.Column() : column.column->key);
    return names;
}

// The inputs as the file holds them, the results as the windows would show them.
std::vector<std::string> CheckCells(const QString &shownFile, const FileRun &run,
                                    const Verdict &verdict, const QStringList &notes) {
    const ExperimentTexts none;
    const ExperimentTexts *texts = run.read.IfValue();
    const std::vector<NamedText> typed = NamedTexts(texts ? *texts : none);
    const bool reported =
        verdict.status != CheckStatus::File && verdict.status != CheckStatus::Input;
    const RunReport report(run.runs, run.state, run.separator);
    std::vector<std::string> cells;
    std::size_t nextTyped = 0;
    for (const TableColumn &column : TableColumns()) {
        switch (column.column->kind) {
        case CheckColumnKind::File:
            cells.push_back(shownFile.toStdString());
            break;
        case CheckColumnKind::Status:
            cells.push_back(StatusWord(verdict.status));
            break;
        case CheckColumnKind::NoteCount:
            cells.push_back(std::to_string(notes.size()));
            break;
        case CheckColumnKind::Message:
            cells.push_back(verdict.message);
            break;
        case CheckColumnKind::Quantity:
            // The file's texts in the order of its keys, which the typed values keep.
            if (column.value.Typed())
                cells.push_back(TypedCell(column.value, typed[nextTyped++].text));
            else
                cells.push_back(reported ? report.At(column.value) : "");
            break;
        case CheckColumnKind::Notes:
            cells.push_back(notes.join(QLatin1String("; ")).toStdString());
            break;
        }
    }
    return cells;
}

// A text a spreadsheet would take for a formula gets a leading apostrophe, as OWASP advises
// for CSV; a number, a minus sign included, stays as it is.
std::string SpreadsheetText(std::string cell, bool number) {
    const bool formula =
        !cell.empty() && std::string_view("=+-@").find(cell[0]) != std::string_view::npos;
    return formula && !number ? "'" + cell : cell;
}

std::string CheckLine(const std::vector<std::string> &cells, const std::vector<bool> &numbers) {
    std::string line;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const bool number =
            k < numbers.size() ? numbers[k] : ReadNumber(WithPoints(cells[k])).code == 0;
        line += (k == 0 ? "" : "\t") + SpreadsheetText(OneCell(cells[k]), number);
    }
    return line + '\n';
}

std::string ShownTypedText(const std::string &text) {
    const bool control =
        std::ranges::any_of(text, [](char c) { return (c >= 0 && c < ' ') || c == '\x7f'; });
    return control ? ReadableName(QByteArray::fromStdString(text)).toStdString() : text;
}

} // namespace kvr
