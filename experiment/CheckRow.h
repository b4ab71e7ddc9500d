// The row `kvr --check` writes for one experiment file: its status, a message, the file's
// texts and every result the windows show for it, as the windows write it. The column
// names and the status words are fixed, for the programs that read the table.
#pragma once

#include "FileRun.h"
#include "Quantities.h"

#include <QString>
#include <QStringList>

#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace kvr {

// The first that applies: the file cannot be opened, a field cannot be read or the name
// is empty, an arithmetic fault, a warning, or calculated and determined.
enum class CheckStatus { File, Input, Fault, Warning, Ok };

// Every status in the order of CheckStatus, with the word the table writes for it: fixed, for
// the programs that read the table.
struct StatusRow {
    CheckStatus status;
    const char *word;
};
inline constexpr StatusRow kCheckStatuses[] = {
    {CheckStatus::File, "file"},       {CheckStatus::Input, "input"}, {CheckStatus::Fault, "fault"},
    {CheckStatus::Warning, "warning"}, {CheckStatus::Ok, "ok"},
};
inline constexpr std::size_t kCheckStatusCount = std::size(kCheckStatuses);

struct Verdict {
    CheckStatus status;
    // For File the reader's reason; otherwise what the windows show: the error box's
    // message, the warning window's lines, or the fields that cannot be read.
    std::string message;
};

Verdict Judge(const FileRun &run);
const char *StatusWord(CheckStatus status);

// What a column of the table holds.
enum class CheckColumnKind { File, Status, NoteCount, Message, Quantity, Notes };

struct CheckColumn {
    CheckColumnKind kind;
    const char *key;     // the column's name in the table's header
    const char *caption; // in the workbook's header, translated
    double width;        // in the workbook, in characters
};

// The table's columns in order. The row of the quantities stands for a column per value of
// every quantity, named by the value and captioned by its texts.
inline constexpr CheckColumn kCheckColumns[] = {
    {CheckColumnKind::File, "file", QT_TRANSLATE_NOOP("Check", "Файл"), 32},
    {CheckColumnKind::Status, "status", QT_TRANSLATE_NOOP("Check", "Стан"), 9},
    // What to filter on: a row with notes is not good work, whatever its status.
    {CheckColumnKind::NoteCount, "note_count", QT_TRANSLATE_NOOP("Check", "Приміток"), 10},
    {CheckColumnKind::Message, "message", QT_TRANSLATE_NOOP("Check", "Повідомлення"), 48},
    // A number as wide as its caption's first word.
    {CheckColumnKind::Quantity, "", "", 14},
    {CheckColumnKind::Notes, "notes", QT_TRANSLATE_NOOP("Check", "Примітки"), 48},
};

// One column as the table has it: its row of kCheckColumns, and a quantity's value.
struct TableColumn {
    const CheckColumn *column;
    QuantityValue value{}; // a quantity's column only
};
std::vector<TableColumn> ColumnsOf(std::span<const Quantity> quantities);
// The program's: ColumnsOf(kQuantities).
std::span<const TableColumn> TableColumns();

// The header's names: "file", …, "running_time_1_3", …, "notes".
std::vector<std::string> CheckColumns(std::span<const Quantity> quantities = kQuantities);
// Cells in the order of the columns; a value the run did not reach is empty. `shownFile` is
// the file's name as the table shows it, `notes` what a teacher should look at.
std::vector<std::string> CheckCells(const QString &shownFile, const FileRun &run,
                                    const Verdict &verdict, const QStringList &notes);
// The cells as one line of the table: control characters turned into spaces, and a text
// that a spreadsheet would evaluate ("=1+1", "-x", "@x", a name "+1") behind an apostrophe.
// `numbers` says which cells hold a number's own text; without it, a cell that reads as a
// number is one.
std::string CheckLine(const std::vector<std::string> &cells, const std::vector<bool> &numbers = {});
// A typed text as the table shows it: one with a control character as the file column shows
// names ("\t", "\x1B"), so that no name prints over the next row; the others as typed.
std::string ShownTypedText(const std::string &text);

} // namespace kvr
