// "Копіювати результати": Ctrl+C and the context menu of the results window put the run's
// report on the clipboard as tab-separated text, while the last calculation may be used.
#pragma once

class QWidget;

namespace kvr {

void AddCopyResultsAction(QWidget *resultWindow);

} // namespace kvr
