// The results of a run as plain text for a lab report: one row per line, cells separated
// by tabs, so that it pastes into a spreadsheet as a table.
#pragma once

#include <QString>

class QWidget;

namespace kvr {

// The student, the inputs as the main window holds them, and the results and models as
// the results window shows them; the models only once they have been determined.
QString ResultsReport(const QWidget *mainWindow, const QWidget *resultWindow);

} // namespace kvr
