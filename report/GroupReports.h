// The lab reports of a group's experiment files, as "Зберегти звіт у PDF…" writes each, into
// one folder: a report never replaces a file, and one that cannot be written says why.
#pragma once

#include "GroupCheck.h"

#include <QDate>
#include <QDir>
#include <QSet>
#include <QString>

namespace kvr {

struct WrittenReport {
    QString path;
    bool withoutModels = false;
};
// What became of one experiment: the report written, or why none was.
using ReportOutcome = Expected<WrittenReport>;

class GroupReports {
public:
    // A `checker` signs every report as "Перевірив:".
    GroupReports(const QString &folder, const QString &checker = {});

    // The report of a file as its check ran it: never read or calculated a second time.
    ReportOutcome Write(const CheckedFile &checked);

private:
    ReportOutcome TryWrite(const CheckedFile &checked);

    QDir m_folder;
    QString m_checker;
    QDate m_date = QDate::currentDate();
    QSet<QString> m_used;
};

} // namespace kvr
