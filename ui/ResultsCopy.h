// "Копіювати результати": Ctrl+C and the context menu of the results window put the run's
// report on the clipboard as tab-separated text; the inputs come from the main window.
#pragma once

class QWidget;

namespace kvr {

void AddCopyResultsAction(QWidget *resultWindow, const QWidget *mainWindow);

} // namespace kvr
