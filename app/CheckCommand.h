// `kvr --check FILE...`: the experiments run as the windows run them, with no window at all,
// one line of a table each.
#pragma once

#include "CheckRow.h"

#include <QString>
#include <QStringList>

namespace kvr {

// Judge's verdict with a file that cannot be opened named as the windows' message names it.
Verdict ShownVerdict(const QString &path, const FileRun &run);

// Returns the exit status; `program` is main()'s first argument.
int RunCheck(char *program, const QStringList &files);

} // namespace kvr
