// `kvr --report DIR FILE...`: the lab report of each experiment, as "Зберегти звіт у PDF…"
// writes it, drawn on no screen at all.
#pragma once

#include <QString>
#include <QStringList>

namespace kvr {

// Returns the exit status; `program` is main()'s first argument.
// A `checker` signs every report as "Перевірив:".
int RunReports(char *program, const QString &folder, const QStringList &files,
               const QString &checker = {});

} // namespace kvr
