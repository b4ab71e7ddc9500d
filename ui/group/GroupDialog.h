// "Перевірити групу…" in the main window, for teachers who use no terminal: a folder of
// experiment files checked as `kvr --check -o` checks them, the workbook saved where the
// teacher says, the reports beside it if asked, with a progress that can be cancelled.
#pragma once

#include <QString>

class QWidget;

namespace kvr {

// `startFolder` is where the folder dialog opens.
void CheckGroupAsked(QWidget *parent, const QString &startFolder);

} // namespace kvr
