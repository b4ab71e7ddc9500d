// The experiment file (.kvr): the texts of the main window's fields, the student's name and
// the chosen running time, as UTF-8 JSON. A file is checked whole before any text is handed
// out, so a caller gets every text or none. A file written before an input existed opens with
// that input's text for older files (calc/InputTable.h), so that no student's file is lost when
// an input is added.
#pragma once

#include "FileAccess.h"
#include "InputTable.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace kvr {

struct ExperimentTexts {
    std::string name;
    // By slot, as calc/InputTable.h numbers them: a text for each row of the input table read.
    std::vector<std::string> fields = std::vector<std::string>(kInputs.size());
    std::string chosenTime;
    // The decimal sign of the window that typed the texts: "." where that window takes the
    // comma of "1,200" for grouped thousands (and so refuses it), "," where it takes it for
    // the decimal sign. A file from before the key is read as the Ukrainian window reads it.
    std::string decimalSign = ",";

    bool operator==(const ExperimentTexts &) const = default;
};

// A file is of the version of the newest input it holds.
constexpr int FileVersion(std::span<const InputRow> inputs) {
    int version = 1;
    for (const InputRow &row : inputs)
        version = std::max(version, row.since);
    return version;
}

inline constexpr qint64 kMaxExperimentFileBytes = kMaxReadBytes;
inline constexpr int kMaxTextCharacters = 1000;

// Each text named by its key, and within a list by the cutter and the interval from 1
// ("name", "spindle_speed_2", "running_time_1_3"), in the order of the file's keys.
struct NamedText {
    std::string name;
    const std::string &text;
};
std::vector<NamedText> NamedTexts(const ExperimentTexts &texts);

// Either the texts, or why the bytes are no experiment this program opens or the file
// cannot be read.
using ExperimentRead = Expected<ExperimentTexts>;

// Reads the inputs of `inputs`: a file older than an input gives it the input's older default.
ExperimentRead ParseExperiment(const QByteArray &bytes, std::span<const InputRow> inputs = kInputs);
// Whether these texts may be saved, or why not (a text the reader would refuse).
Expected<void> CheckForSaving(const ExperimentTexts &texts);
QByteArray SerializeExperiment(const ExperimentTexts &texts);

ExperimentRead ReadExperimentFile(const QString &path);
// `sha256`, when given, gets the digest of the bytes read, whatever they hold: what a lab
// report records as the file it was drawn from.
ExperimentRead ReadExperimentFileAt(const QByteArray &nativePath, QByteArray *sha256 = nullptr);
// The old file stays unless the new one is complete.
Expected<void> WriteExperimentFile(const QString &path, const ExperimentTexts &texts);

} // namespace kvr
