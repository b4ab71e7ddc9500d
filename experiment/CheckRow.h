// The row `kvr --check` writes for one experiment file: its status, a message, the file's
// texts and every result the windows show for it, as the windows write it. The column
// names and the status words are fixed, for the programs that read the table.
#pragma once

#include "FileRun.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace kvr {

// The first that applies: the file cannot be opened, a field cannot be read or the name
// is empty, an arithmetic fault, a warning, or calculated and determined.
enum class CheckStatus { File, Input, Fault, Warning, Ok };

struct Verdict {
    CheckStatus status;
    // For File the reader's reason; otherwise what the windows show: the error box's
    // message, the warning window's lines, or the fields that cannot be read.
    std::string message;
};

Verdict Judge(const FileRun &run);
// "file", "input", "fault", "warning", "ok": fixed, for the programs that read the table.
const char *StatusWord(CheckStatus status);

std::vector<std::string> CheckColumns();
// Cells in the order of the columns; a value the run did not reach is empty. `shownFile` is
// the file's name as the table shows it, `notes` what a teacher should look at.
std::vector<std::string> CheckCells(const QString &shownFile, const FileRun &run,
                                    const Verdict &verdict, const QStringList &notes);
// The cells as one line of the table: control characters turned into spaces, and a text
// that a spreadsheet would evaluate ("=1+1", "-x", "@x") behind an apostrophe.
std::string CheckLine(const std::vector<std::string> &cells);

} // namespace kvr
