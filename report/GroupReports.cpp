#include "GroupReports.h"

#include "FileKinds.h"
#include "FileNames.h"
#include "LabReport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace kvr {

namespace {

// The name the save dialog suggests; one already in the folder, or taken by this run, gets
// " (2)", " (3)"…: a report never replaces a file.
QString UnusedName(const QDir &folder, const QString &suggested, QSet<QString> &used) {
    QString name = suggested;
    for (int copy = 2; used.contains(name) || QFileInfo::exists(folder.filePath(name)); ++copy)
        name = QStringLiteral("%1 (%2).%3")
                   .arg(QFileInfo(suggested).completeBaseName())
                   .arg(copy)
                   .arg(QFileInfo(suggested).suffix());
    used.insert(name);
    return name;
}

QString Refusal(const CheckedFile &checked) {
    const QString message = QString::fromStdString(checked.message);
    return checked.status == CheckStatus::File
               ? message
               : QCoreApplication::translate("CommandLine", "Звіт для «%1» не складено: %2")
                     .arg(checked.shown, message);
}

} // namespace

GroupReports::GroupReports(const QString &folder, const QString &checker)
    : m_folder(folder), m_checker(checker) {}

ReportOutcome GroupReports::TryWrite(const CheckedFile &checked) {
    const FileRun &run = *checked.run;
    // The windows offer the report only for a calculation that could be used.
    if (!Buttons(run.runs).copy)
        return Failure(Refusal(checked));
    const QString target = m_folder.filePath(
        UnusedName(m_folder,
                   SuggestedFileName(QString::fromStdString(run.runs.calculation.userName), m_date,
                                     FileExtension(FileKind::Report)),
                   m_used));
    const ModelsRecord &models = run.runs.models;
    const bool withoutModels = !ModelsCurrent(run.runs) || !models.wear || !models.life;
    const ReportExtras extras{m_checker, QFileInfo(checked.shown).fileName(),
                              withoutModels ? QString::fromStdString(checked.message) : QString(),
                              QString()};
    const Expected<QByteArray> pdf = LabReportPdf(run.runs, run.state, extras);
    // Written as the windows write it, without remembering a folder for their dialogs.
    const Expected<void> written = pdf ? WriteWholeFile(target, *pdf) : pdf.Error();
    if (!written)
        return Failure(FailureText(FileKind::Report, FileAction::Save, target, written.Error()));
    return WrittenReport{target, withoutModels};
}

ReportOutcome GroupReports::Write(const CheckedFile &checked) {
    try {
        return TryWrite(checked);
    } catch (const std::exception &fault) {
        // The error box's message, as the windows' save shows it.
        return Failure(QCoreApplication::translate("CommandLine", "Звіт для «%1» не складено: %2.")
                           .arg(checked.shown, QString::fromUtf8(fault.what())));
    }
}

} // namespace kvr
