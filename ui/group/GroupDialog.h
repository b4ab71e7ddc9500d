// "Перевірити групу…" in the main window, for teachers who use no terminal: a folder of
// experiment files checked as `kvr --check -o` checks them, the workbook saved where the
// teacher says, the reports in a folder of their own if asked, with a progress that can be
// cancelled.
#pragma once

#include <QString>

class QWidget;

namespace kvr {

// The folder dialog opens in the group folder last checked, or else in `startFolder`.
void CheckGroupAsked(QWidget *parent, const QString &startFolder);

} // namespace kvr
