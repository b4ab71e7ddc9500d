#include "Experiment.h"

#include "InputTable.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kvr {

namespace {

const QString kFolderKey = QStringLiteral("folder");

// "Розрахувати" writes the commas of a number as points: a number that differs only by that
// is the one the student typed, and nothing to save.
ExperimentTexts AsRead(ExperimentTexts texts) {
    for (std::size_t slot = 0; slot < std::min(texts.fields.size(), kInputs.size()); ++slot)
        if (kInputs[slot].kind == InputKind::Number)
            texts.fields[slot] = WithPoints(texts.fields[slot]);
    texts.chosenTime = WithPoints(texts.chosenTime);
    return texts;
}

// The texts a calculation read; τ_д is no field of it.

} // namespace

void Experiment::SetChosenTime(const QString &text) { m_chosenTime = text; }

CalculationOutcome Experiment::Calculate(const CalculationInputs &inputs) {
    CalculationOutcome outcome = RunCalculation(m_state, inputs);
    RecordCalculation(m_status, inputs, outcome);
    m_presses = Presses{inputs, outcome, std::nullopt};
    m_calculatedTexts = AsRead(TextsOf(inputs));
    emit RunChanged();
    return outcome;
}

DeterminationOutcome Experiment::Determine(std::string_view chosenTime,
                                           std::string_view separator) {
    DeterminationOutcome outcome = DetermineModels(m_state, chosenTime, separator);
    RecordDetermination(m_status, outcome);
    m_chosenTime = QString::fromStdString(outcome.chosenTimeText);
    if (m_presses)
        m_presses->determination = outcome;
    emit RunChanged();
    return outcome;
}

void Experiment::Restore(const CalculationState &state, const RunStatus &runs) {
    m_state = state;
    m_status = runs;
    emit RunChanged();
}

ExperimentRead Experiment::Open(const QString &path) {
    const Expected<QByteArray> bytes = ReadOrdinaryFile(path, kMaxExperimentFileBytes);
    ExperimentRead read = bytes ? ParseExperiment(*bytes) : ExperimentRead(bytes.Error());
    if (read) {
        RecordOpening(m_status);
        m_presses.reset();
        RememberFile(path, *bytes);
        m_lastStored = *read;
        m_decimalSign = read->decimalSign;
        m_chosenTime = QString::fromStdString(read->chosenTime);
        RememberFolder(path);
        emit RunChanged();
    }
    return read;
}

Expected<void> Experiment::Save(const QString &path, const ExperimentTexts &texts) {
    Expected<void> saved = WriteExperimentFile(path, texts);
    if (saved) {
        m_lastStored = texts;
        RememberFile(path, SerializeExperiment(texts));
        RememberFolder(path);
    }
    return saved;
}

Expected<void> Experiment::Write(const QString &path, const QByteArray &bytes) {
    Expected<void> written = WriteWholeFile(path, bytes);
    if (written)
        RememberFolder(path);
    return written;
}

void Experiment::SetStartTexts(const ExperimentTexts &texts) { m_lastStored = texts; }

bool Experiment::Changed(const ExperimentTexts &now) const {
    return AsRead(now) != AsRead(m_lastStored);
}

bool Experiment::Recalculated(const ExperimentTexts &now) const {
    if (!m_calculatedTexts)
        return true;
    ExperimentTexts typed = AsRead(now);
    typed.chosenTime.clear();
    return typed == *m_calculatedTexts;
}

QString Experiment::FilePath() const { return m_file ? m_file->path : QString(); }

bool Experiment::ChangedOnDisk(const QString &path) const {
    if (!m_file || path.isEmpty() || QFileInfo(path).absoluteFilePath() != m_file->path)
        return false;
    const Expected<QByteArray> disk = ReadOrdinaryFile(path, kMaxExperimentFileBytes);
    return !disk || *disk != m_file->bytes;
}

void Experiment::RememberFile(const QString &path, QByteArray bytes) {
    m_file = StoredFile{QFileInfo(path).absoluteFilePath(), std::move(bytes)};
}

QString Experiment::Folder() const {
    const QString folder =
        m_folder.isEmpty() ? ProgramSettings().value(kFolderKey).toString() : m_folder;
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void Experiment::RememberFolder(const QString &path) {
    m_folder = QFileInfo(path).absolutePath();
    QSettings settings = ProgramSettings();
    settings.setValue(kFolderKey, m_folder);
}

} // namespace kvr
