// One experiment as the program holds it: the run's records, the chosen running time, the folder
// of the last file, and the texts last written or read. This object is their only writer; the
// windows read it, show what it recorded and hear of each change, and the command line runs it
// without any window.
#pragma once

#include "CalculationRun.h"
#include "ExperimentFile.h"
#include "FileAccess.h"
#include "RunStatus.h"
#include "TypedInputs.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

namespace kvr {

// The last "Розрахувати" as pressed: the texts it read and what it found, and what the last
// "Визначити параметри" found on it.
struct Presses {
    CalculationInputs inputs;
    CalculationOutcome calculation;
    std::optional<DeterminationOutcome> determination;
};

class Experiment : public QObject {
    Q_OBJECT
public:
    Experiment() = default;

    const CalculationState &State() const { return m_state; }
    const RunStatus &Status() const { return m_status; }
    // τ_д as typed, which "Визначити параметри" reads and an experiment file keeps.
    const QString &ChosenTime() const { return m_chosenTime; }
    void SetChosenTime(const QString &text);

    // "Розрахувати" and "Визначити параметри": the press, recorded.
    CalculationOutcome Calculate(const CalculationInputs &inputs);
    DeterminationOutcome Determine(std::string_view chosenTime, std::string_view separator);
    // Takes a run's records kept elsewhere as this run's, as one change: a run no typed data
    // reach is built by changing a copy and restoring it.
    void Restore(const CalculationState &state, const RunStatus &runs);
    // None before the first "Розрахувати" and after an opening, which nothing was read from.
    const std::optional<Presses> &LastPresses() const { return m_presses; }
    // Whether `now` holds what the last "Розрахувати" read, or nothing was calculated yet.
    bool Recalculated(const ExperimentTexts &now) const;

    // The texts a file holds. On success the run starts afresh: nothing of the last
    // calculation may be used until the next one.
    ExperimentRead Open(const QString &path);
    Expected<void> Save(const QString &path, const ExperimentTexts &texts);
    // Writes any other file the run produces (the report) the one safe way.
    Expected<void> Write(const QString &path, const QByteArray &bytes);

    // The texts the fields start with, which count as unchanged.
    void SetStartTexts(const ExperimentTexts &texts);
    // Whether `now` differs from what was last written or read.
    bool Changed(const ExperimentTexts &now) const;
    // The file last opened or saved, as an absolute path, which a save offers again; empty
    // before any.
    QString FilePath() const;
    // Whether `path` is that file and the disk no longer holds the bytes this run read or
    // wrote there: another window, or another program, saved over it since.
    bool ChangedOnDisk(const QString &path) const;

    // The decimal sign the texts are read with: this window's, or that of the window that
    // saved the file last opened, so that a file reads the same in any language.
    const std::string &DecimalSign() const { return m_decimalSign; }

    // Where a file dialog starts: the folder of the last file opened or saved, in any run.
    QString Folder() const;

signals:
    // A press or an opened file changed the records: what shows them follows.
    void RunChanged();

private:
    void RememberFolder(const QString &path);
    void RememberFile(const QString &path, QByteArray bytes);

    CalculationState m_state;
    RunStatus m_status;
    QString m_chosenTime;
    ExperimentTexts m_lastStored;
    std::string m_decimalSign = WindowDecimalSign();
    std::optional<Presses> m_presses;
    std::optional<ExperimentTexts> m_calculatedTexts; // kept over an opening
    struct StoredFile {
        QString path;
        QByteArray bytes;
    };
    std::optional<StoredFile> m_file;
    // This run's last folder, held here too: settings that cannot be written do not make
    // the dialogs forget it.
    QString m_folder;
};

} // namespace kvr
