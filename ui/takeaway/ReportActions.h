// "Друкувати звіт…" (Ctrl+P) and "Зберегти звіт у PDF…": beside the copy in the results
// window's menu and in the charts' menu, while the last calculation may be used.
#pragma once

#include <vector>

class QAction;

namespace kvr {

class Experiment;
class TForm_Graphic;
class TForm_Result;

// The report of `experiment`'s run, written to a file, saved or printed through it; returns
// the print and the save, which the caller enables as the run allows.
std::vector<QAction *> AddReportActions(TForm_Result &resultWindow, TForm_Graphic &graphWindow,
                                        Experiment &experiment);

} // namespace kvr
