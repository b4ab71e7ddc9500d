// One experiment as the program holds it: the run's records, the folder of the last file, and the
// texts last written or read. This object is their only writer; the windows ask it and show what it
// recorded, and the command line runs it without any window.
#pragma once

#include "CalculationRun.h"
#include "ExperimentFile.h"
#include "FileAccess.h"
#include "RunStatus.h"

#include <QString>

#include <optional>
#include <string>

namespace kvr {

class Experiment {
public:
    // The records the windows read: the program's one State and Runs.
    Experiment(CalculationState &state, RunStatus &runs);

    // "Розрахувати" and "Визначити параметри": the press, recorded.
    CalculationOutcome Calculate(const CalculationInputs &inputs);
    DeterminationOutcome Determine(std::string_view chosenTime, std::string_view separator);

    // The texts a file holds. On success the run starts afresh: nothing of the last
    // calculation may be used until the next one.
    ExperimentRead Open(const QString &path);
    // Why the texts were not saved; empty when they were.
    std::string Save(const QString &path, const ExperimentTexts &texts);
    // Writes any other file the run produces (the report) the one safe way.
    std::optional<FileFailure> Write(const QString &path, const QByteArray &bytes);

    // The texts the fields start with, which count as unchanged.
    void SetStartTexts(const ExperimentTexts &texts);
    // Whether `now` differs from what was last written or read.
    bool Changed(const ExperimentTexts &now) const;

    // Where a file dialog starts: the folder of the last file opened or saved, in any run.
    QString Folder() const;

private:
    void RememberFolder(const QString &path);

    CalculationState &m_state;
    RunStatus &m_runs;
    ExperimentTexts m_lastStored;
    // This run's last folder, held here too: settings that cannot be written do not make
    // the dialogs forget it.
    QString m_folder;
};

} // namespace kvr
