// The lab reports of a group's experiment files, as "Зберегти звіт у PDF…" writes each, into
// one folder: a report never replaces a file, one that cannot be written says why, and a file
// whose bytes already have their report in the folder gets no second one.
#pragma once

#include "GroupCheck.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace kvr {

struct WrittenReport {
    QString path;
    bool withoutModels = false;
    bool unchanged = false; // the report of the same bytes was there already: nothing written
};
// What became of one experiment: the report written or found, or why there is none.
using ReportOutcome = Expected<WrittenReport>;

// How many reports a run wrote, found made from the same bytes, and of those how many lack
// a model.
struct ReportTally {
    qsizetype written = 0;
    qsizetype unchanged = 0;
    qsizetype withoutModels = 0;
};

class GroupReports {
public:
    // A `checker` signs every report as "Перевірив:".
    explicit GroupReports(const QString &folder, const QString &checker = {});

    // The report of a file as its check ran it: never read or calculated a second time.
    ReportOutcome Write(const CheckedFile &checked);
    const ReportTally &Tally() const { return m_tally; }

private:
    ReportOutcome TryWrite(const CheckedFile &checked);
    const QHash<QByteArray, QString> &Made();

    QDir m_folder;
    QString m_checker;
    QDate m_date = QDate::currentDate();
    QSet<QString> m_used;
    // The reports in the folder by the digest of the bytes each was drawn from; read once,
    // when the first report is asked for.
    std::optional<QHash<QByteArray, QString>> m_made;
    ReportTally m_tally;
};

// Where the windows put a group's reports unless told otherwise: a folder of their own beside
// the workbook, so that they mix neither with the students' files nor with another group's.
QString DefaultReportFolder(const QString &workbookPath);

// Why the file shown so got no new report.
QString UnchangedText(const QString &shown, const WrittenReport &report);

} // namespace kvr
