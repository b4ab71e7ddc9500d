// The results of a run as a table for a lab report: the student, the inputs as the last
// "Розрахувати" read them, its results, and the models fitted on it once determined.
#pragma once

#include "CalculationState.h"
#include "QuantityTexts.h"
#include "RunReport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <string>

namespace kvr {

// The run as the windows show it now, numbers with the locale's separator.
RunReport WindowReport(const RunStatus &status, const CalculationState &state);

// A value as a report writes it: a typed number as it was read, with the locale's separator.
QString Reported(const RunReport &report, const QuantityValue &value);
// The inputs a report lists one per row, the allowable flank wear last.
std::span<const QuantityValue> ListedInputs();
// The cells of the cutters' table: per cutter, the values of these quantities.
struct CutterColumn {
    const char *key;
    bool perInterval;
};
QStringList CutterHeader(std::span<const CutterColumn> columns);
QStringList CutterCells(const RunReport &report, int cutter, std::span<const CutterColumn> columns);

// The report's rows of cells; an empty row separates its sections.
QList<QStringList> ReportRows(const RunReport &report);

// The rows as text: cells separated by tabs, one row per line, so that it pastes into a
// spreadsheet as a table.
QString ResultsReport(const RunReport &report);
QString ResultsReport(const RunStatus &status, const CalculationState &state);

} // namespace kvr
