// An experiment file run as the windows run it once `kvr FILE` has opened it: its texts
// typed into the fields, "Розрахувати", and "Визначити параметри" at its chosen time where
// the windows allow that press. Every file runs on a record of its own, zero at start.
#pragma once

#include "Experiment.h"

#include <memory>
#include <optional>
#include <string>

namespace kvr {

struct FileRun {
    CalculationState state;
    RunStatus runs;
    ExperimentRead read = FileFailure{}; // the texts, or why the file cannot be opened
    std::string separator;               // the locale's, as the windows show numbers
    CalculationOutcome calculation;
    std::optional<DeterminationOutcome> determination;
    QByteArray sha256; // of the bytes the texts were read from; empty when none were read
};

// Reads the file as "Відкрити дослід…" does, without remembering its folder: a check of a
// group's files chooses no folder for the dialogs.
std::unique_ptr<FileRun> RunExperimentFile(const QByteArray &nativePath, std::string separator);

} // namespace kvr
