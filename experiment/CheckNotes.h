// What a teacher should look at in a group's files beyond each one's status: data the
// windows accept but no lathe produces, and files that repeat another. In the interface's
// language, for the check table's last column.
#pragma once

#include "FileRun.h"
#include "LabLimits.h"

#include <QString>
#include <QStringList>

#include <unordered_map>

namespace kvr {

// Falling or flat wear, exponents of the wrong sign, sizes and wear that are not positive,
// values outside the lab's limits, wear typed in millimetres, equal or ambiguous spindle
// speeds, and the cause of a fault. The texts are read as the window that typed them read
// them.
QStringList FileNotes(const FileRun &run, const LabLimits &limits = LabLimits());
// The same notes of the run the windows hold, weighed on the texts its last "Розрахувати"
// read; none before that press.
QStringList RunNotes(const Experiment &experiment);
// The line the results window and the lab report show: "Зверніть увагу: " and those notes,
// after a mark where the fields no longer hold what the run read; empty without any.
QString NotesLine(const Experiment &experiment, bool recalculated);

// Names and measurements seen earlier in one run. Only a hash of the measurements is kept
// per file, so a group of any size costs a few bytes a file.
class GroupNotes {
public:
    // The file's notes against the files before it, then remembers it as `shownFile`.
    QStringList Add(const QString &shownFile, const ExperimentTexts &texts);

private:
    std::unordered_map<std::string, QString> m_names;
    std::unordered_map<std::size_t, QString> m_measurements;
};

} // namespace kvr
