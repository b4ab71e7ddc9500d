#include "GroupReports.h"

#include "FileAccess.h"
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

// A lab report is a few hundred kilobytes; a larger PDF in the folder is none of ours.
constexpr qint64 kMaxReportBytes = qint64(64) << 20;

// The digest a report records, or an empty one for any other file.
QByteArray RecordedSource(const QString &path) {
    const Expected<QByteArray> pdf = ReadOrdinaryFile(path, kMaxReportBytes);
    const QByteArray prefix = SourceKeyword({});
    const qsizetype at = pdf ? pdf->indexOf(prefix) : -1;
    if (at < 0)
        return {};
    const QByteArray hex = pdf->mid(at + prefix.size(), 64);
    return hex.size() == 64 ? QByteArray::fromHex(hex) : QByteArray();
}

} // namespace

GroupReports::GroupReports(const QString &folder, const QString &checker)
    : m_folder(folder), m_checker(checker) {}

const QHash<QByteArray, QString> &GroupReports::Made() {
    if (!m_made) {
        m_made.emplace();
        const QStringList pdfs =
            m_folder.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        for (const QString &name : pdfs)
            if (const QByteArray source = RecordedSource(m_folder.filePath(name));
                !source.isEmpty() && !m_made->contains(source))
                m_made->insert(source, m_folder.filePath(name));
    }
    return *m_made;
}

ReportOutcome GroupReports::TryWrite(const CheckedFile &checked) {
    const FileRun &run = *checked.run;
    // The windows offer the report only for a calculation that could be used.
    if (!Buttons(run.runs).copy)
        return Failure(Refusal(checked));
    const ModelsRecord &models = run.runs.models;
    const bool withoutModels = !ModelsCurrent(run.runs) || !models.wear || !models.life;
    if (const auto made = Made().constFind(run.sha256); made != Made().constEnd())
        return WrittenReport{*made, withoutModels, true};
    const QString target = m_folder.filePath(
        UnusedName(m_folder,
                   SuggestedFileName(QString::fromStdString(run.runs.calculation.userName), m_date,
                                     FileExtension(FileKind::Report)),
                   m_used));
    const ReportExtras extras{m_checker,
                              QFileInfo(checked.shown).fileName(),
                              withoutModels ? QString::fromStdString(checked.message) : QString(),
                              run.sha256,
                              {}};
    const Expected<QByteArray> pdf = LabReportPdf(run.runs, run.state, extras);
    // Written as the windows write it, without remembering a folder for their dialogs.
    const Expected<void> written = pdf ? WriteWholeFile(target, *pdf) : pdf.Error();
    if (!written)
        return Failure(FailureText(FileKind::Report, FileAction::Save, target, written.Error()));
    m_made->insert(run.sha256, target);
    return WrittenReport{target, withoutModels};
}

ReportOutcome GroupReports::Write(const CheckedFile &checked) {
    try {
        ReportOutcome outcome = TryWrite(checked);
        if (outcome) {
            ++(outcome->unchanged ? m_tally.unchanged : m_tally.written);
            m_tally.withoutModels += outcome->withoutModels ? 1 : 0;
        }
        return outcome;
    } catch (const std::exception &fault) {
        // The error box's message, as the windows' save shows it.
        return Failure(QCoreApplication::translate("CommandLine", "Звіт для «%1» не складено: %2.")
                           .arg(checked.shown, QString::fromUtf8(fault.what())));
    }
}

QString DefaultReportFolder(const QString &workbookPath) {
    const QFileInfo workbook(workbookPath);
    return workbook.dir().filePath(
        QCoreApplication::translate("Group", "%1 звіти").arg(workbook.completeBaseName()));
}

QString UnchangedText(const QString &shown, const WrittenReport &report) {
    return QCoreApplication::translate("CommandLine",
                                       "Звіт «%1» уже є: дослід «%2» відтоді не змінився.")
        .arg(QDir::toNativeSeparators(report.path), shown);
}

} // namespace kvr
