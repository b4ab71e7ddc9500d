#include "ReportCommand.h"

#include "CheckCommand.h"
#include "CommandLine.h"
#include "Console.h"
#include "ExperimentDialogs.h"
#include "FileAccess.h"
#include "FileNames.h"
#include "InputFields.h"
#include "LabReport.h"
#include "WindowSet.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSet>

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

std::optional<FileFailure> Written(const QString &path, const std::optional<QByteArray> &pdf) {
    if (!pdf)
        return FileFailure{};
    const auto result = WriteWholeFile(path, *pdf);
    if (const auto *failure = std::get_if<FileFailure>(&result))
        return *failure;
    return std::nullopt;
}

class ReportWriter {
public:
    ReportWriter(const QString &folder, const QString &checker)
        : m_folder(folder), m_checker(checker) {}

    // Why the file got no report; empty when it got one, whose path is then `written`.
    QString Write(const QString &path, QString &written) {
        const std::unique_ptr<FileRun> run = RunExperimentFile(path, DecimalSeparator());
        // The windows offer the report only for a calculation that could be used.
        if (!Buttons(run->runs).copy)
            return Refusal(path, *run);
        const QString target = m_folder.filePath(
            UnusedName(m_folder,
                       SuggestedFileName(QString::fromStdString(run->runs.calculation.userName),
                                         m_date, FileExtension(FileKind::Report)),
                       m_used));
        const std::optional<QByteArray> pdf = LabReportPdf(run->runs, run->state, m_checker);
        // Written as the windows write it, without remembering a folder for their dialogs.
        const std::optional<FileFailure> failure = Written(target, pdf);
        if (failure)
            return FailureText(FileKind::Report, FileAction::Save, target,
                               FailureReason(*failure, FileAction::Save));
        written = target;
        return {};
    }

private:
    static QString Refusal(const QString &path, const FileRun &run) {
        const Verdict verdict = ShownVerdict(path, run);
        const QString message = QString::fromStdString(verdict.message);
        return verdict.status == CheckStatus::File
                   ? message
                   : QCoreApplication::translate("CommandLine", "Звіт для «%1» не складено: %2")
                         .arg(path, message);
    }

    QDir m_folder;
    QString m_checker;
    QDate m_date = QDate::currentDate();
    QSet<QString> m_used;
};

} // namespace

int RunReports(char *program, const QString &folder, const QStringList &files,
               const QString &checker) {
    // The page is drawn as the windows draw it, on no screen at all.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char *argv[] = {program, nullptr};
    SilenceToolkitMessages();
    const KvrApplication application(argc, argv);
    if (!QDir().mkpath(folder)) {
        WriteError(
            QCoreApplication::translate("CommandLine", "kvr: теку «%1» не створити").arg(folder));
        return kExitNotAllOk;
    }
    ReportWriter writer(folder, checker);
    Progress progress(QT_TRANSLATE_NOOP("CommandLine", "Опрацьовано"), files.size());
    bool every = true;
    for (const QString &path : files) {
        QString problem, written;
        try {
            problem = writer.Write(path, written);
        } catch (const std::exception &fault) {
            // The error box's message, as the windows' save shows it.
            problem = QCoreApplication::translate("CommandLine", "Звіт для «%1» не складено: %2.")
                          .arg(path, QString::fromUtf8(fault.what()));
        }
        // Which experiment became which report, for a script to follow.
        WriteOut(QByteArray::fromStdString(CheckLine({path.toStdString(), written.toStdString()})));
        if (!problem.isEmpty())
            progress.Message(problem);
        every = every && problem.isEmpty();
        progress.Step();
    }
    if (!FinishOut()) {
        WriteError(LostOutputText());
        return kExitUsage;
    }
    return every ? kExitAllOk : kExitNotAllOk;
}

} // namespace kvr
