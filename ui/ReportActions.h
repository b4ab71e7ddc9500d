// "Друкувати звіт…" (Ctrl+P) and "Зберегти звіт у PDF…": beside the copy in the results
// window's menu and in the charts' menu, while the last calculation may be used.
#pragma once

class QWidget;

namespace kvr {

class Experiment;

// A report written to a file, saved or printed, goes through `experiment`.
void AddReportActions(QWidget *resultWindow, QWidget *graphWindow, Experiment &experiment);

// The names of the actions that take the run away: the copy and the two reports.
inline constexpr const char *kTakeAwayActions[] = {"CopyResults", "PrintReport", "SaveReportPdf"};

} // namespace kvr
