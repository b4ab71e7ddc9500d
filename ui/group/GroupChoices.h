// The group check's choices, asked together once the workbook's path is known: whether to
// write the reports, their folder, who signs them, and the lab's limits for the notes.
// Remembered for the next check.
#pragma once

#include "LabLimits.h"

#include <QString>

#include <optional>

class QWidget;

namespace kvr {

struct GroupChoices {
    bool reports = false;
    QString reportFolder;
    QString checker;  // empty: the results window's instructor signs
    LabLimits limits; // the built-in ranges, or those of the teacher's file
};

// Says how many experiment files `folder` holds; nothing when the teacher cancels.
std::optional<GroupChoices> AskGroupChoices(QWidget *parent, const QString &folder, qsizetype files,
                                            const QString &workbookPath);

} // namespace kvr
