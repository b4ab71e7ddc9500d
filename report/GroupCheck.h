// The check of a group's experiment files, one file at a time, as `kvr --check` and
// "Перевірити групу…" both run it: each file run as the windows run it, judged, and
// noted against the files before it.
#pragma once

#include "CheckNotes.h"
#include "CheckRow.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kvr {

// Judge's verdict with a file that cannot be opened named as the windows' message names it.
Verdict VerdictNamingFile(const QString &shownFile, const FileRun &run);

// A cell of the table: its text, and the number a spreadsheet should hold where it is one,
// with the number format that shows it as the text writes it ("0.00", "0.000E-00").
struct TableCell {
    std::string text;
    std::optional<double> number;
    std::string format;
};

// One experiment file read and run once: its row, and the run its report is drawn from, so
// that the two can never disagree.
struct CheckedFile {
    CheckStatus status = CheckStatus::File;
    std::vector<TableCell> cells; // in the order of TableColumns()
    QString shown;                // the file as the table names it
    std::unique_ptr<FileRun> run;
    std::string message; // the verdict's
    qsizetype notes = 0; // how many notes its row has
};

// How many files of each status, in the order of CheckStatus.
using StatusCounts = std::array<qsizetype, kCheckStatusCount>;

class GroupCheck {
public:
    explicit GroupCheck(LabLimits limits = LabLimits());

    CheckedFile Check(const QByteArray &nativePath);
    const StatusCounts &Counts() const { return m_counts; }

private:
    std::string m_separator;
    LabLimits m_limits;
    GroupNotes m_notes;
    StatusCounts m_counts{};
};

// The columns' captions in the interface's language: "Файл", …, "Подача S, мм/об.", ….
std::vector<QString> CheckCaptions();
// "30 файлів", in the interface's language.
QString CountedFiles(qsizetype n);
// "У теці «group» знайдено 30 файлів (*.kvr).", or that it holds none.
QString FolderCountText(const QString &shownFolder, qsizetype files);
// "30 файлів: 17 без помилок, 3 з попередженням, 1 з помилкою обчислення, 4 з хибними
// даними, 5 не відкрито"
QString SummaryText(const StatusCounts &counts);

} // namespace kvr
