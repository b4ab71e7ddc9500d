// "Копіювати результати": Ctrl+C and the context menu of the results window put the run's
// report on the clipboard as tab-separated text, while the last calculation may be used.
#pragma once

class QAction;

namespace kvr {

class Experiment;
class TForm_Result;

// Copies `experiment`'s run; returns the action, which the caller enables as the run allows.
QAction *AddCopyResultsAction(TForm_Result &resultWindow, const Experiment &experiment);

} // namespace kvr
