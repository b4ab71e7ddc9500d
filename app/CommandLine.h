// What the command line asks for: the windows, a check of experiment files, their lab
// reports, the usage or the version. It is read before any application object exists, so
// that the modes without windows need no display.
#pragma once

#include <QString>
#include <QStringList>

namespace kvr {

enum class Mode { Windows, Check, Report, Help, Version, UsageError };

struct Command {
    Mode mode = Mode::Windows;
    QStringList files; // the experiment files or folders, in the order given, as ArgumentText
    QString folder;    // where --report writes
    QString output;    // where --check writes its table: a workbook, or a TSV by its name
    QString listFile;  // --files-from: a file of names, "-" for standard input
    bool nullSeparated = false;
    // Why the command line is refused: the pattern in the source language, "%1" standing for
    // the argument it names, translated once the application is there to do it.
    const char *problem = nullptr;
    QString problemArgument;
    QString checker; // who signs the reports as "Перевірив:", when not the usual one
    QString limits;  // --limits: the lab's own ranges for the notes, empty for the built-in

    QString Problem() const;
    // Whether --check writes an .xlsx workbook rather than the TSV.
    bool WritesWorkbook() const;
};

// `arguments` as main() got them, each as ArgumentText, the program first.
Command ParseCommandLine(const QStringList &arguments);

QString UsageText();
// Why the run ends with status 2 when the output could not be written.
QString LostOutputText();
// "kvr 1.0": the version the build was given.
QString VersionText();

inline constexpr int kExitAllOk = 0;
inline constexpr int kExitNotAllOk = 1;
inline constexpr int kExitUsage = 2;

} // namespace kvr
