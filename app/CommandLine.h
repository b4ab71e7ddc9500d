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
    QStringList files; // the experiment files, in the order given
    QString folder;    // where --report writes
    QString problem;   // why the command line is refused (Ukrainian)
};

// `arguments` as main() got them, the program first.
Command ParseCommandLine(const QStringList &arguments);

QString UsageText();
// "kvr 1.0": the version the build was given.
QString VersionText();

inline constexpr int kExitAllOk = 0;
inline constexpr int kExitNotAllOk = 1;
inline constexpr int kExitUsage = 2;

} // namespace kvr
