// The results of a run as a table for a lab report: the student, the inputs as the last
// "Розрахувати" read them, its results, and the models fitted on it once determined.
#pragma once

#include "CalculationState.h"
#include "RunStatus.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kvr {

// The report's rows of cells; an empty row separates its sections.
QList<QStringList> ReportRows(const RunStatus &status, const CalculationState &state);

// The rows as text: cells separated by tabs, one row per line, so that it pastes into a
// spreadsheet as a table.
QString ResultsReport(const RunStatus &status, const CalculationState &state);

} // namespace kvr
