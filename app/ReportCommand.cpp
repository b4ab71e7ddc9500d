#include "ReportCommand.h"

#include "CheckCommand.h"
#include "CommandLine.h"
#include "Console.h"
#include "ExperimentDialogs.h"
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

// The name the save dialog suggests; a second report of that name in this run gets " (2)".
QString UnusedName(const QString &suggested, QSet<QString> &used) {
    QString name = suggested;
    for (int copy = 2; used.contains(name); ++copy)
        name = QStringLiteral("%1 (%2).%3")
                   .arg(QFileInfo(suggested).completeBaseName())
                   .arg(copy)
                   .arg(QFileInfo(suggested).suffix());
    used.insert(name);
    return name;
}

class ReportWriter {
public:
    explicit ReportWriter(const QString &folder) : m_folder(folder) {}

    // Why the file got no report; empty when it got one.
    QString Write(const QString &path) {
        const std::unique_ptr<FileRun> run = RunExperimentFile(path, DecimalSeparator());
        // The windows offer the report only for a calculation that could be used.
        if (!Buttons(run->runs).copy)
            return Refusal(path, *run);
        const QString target = m_folder.filePath(
            UnusedName(SuggestedFileName(QString::fromStdString(run->runs.calculation.userName),
                                         m_date, FileExtension(FileKind::Report)),
                       m_used));
        const std::optional<QByteArray> pdf = LabReportPdf(run->runs, run->state);
        const std::optional<FileFailure> failure =
            pdf ? Experiment(run->state, run->runs).Write(target, *pdf)
                : FileFailure{FileProblem::Other, 0};
        if (!failure)
            return {};
        return FailureText(FileKind::Report, FileAction::Save, target,
                           FailureReason(*failure, FileAction::Save));
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
    QDate m_date = QDate::currentDate();
    QSet<QString> m_used;
};

} // namespace

int RunReports(char *program, const QString &folder, const QStringList &files) {
    // The page is drawn as the windows draw it, on no screen at all.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char *argv[] = {program, nullptr};
    const KvrApplication application(argc, argv);
    ReportWriter writer(folder);
    Progress progress(QT_TRANSLATE_NOOP("CommandLine", "Опрацьовано"), files.size());
    bool every = true;
    for (const QString &path : files) {
        QString problem;
        try {
            problem = writer.Write(path);
        } catch (const std::exception &fault) {
            // The error box's message, as the windows' save shows it.
            problem = QCoreApplication::translate("CommandLine", "Звіт для «%1» не складено: %2.")
                          .arg(path, QString::fromUtf8(fault.what()));
        }
        if (!problem.isEmpty())
            progress.Message(problem);
        every = every && problem.isEmpty();
        progress.Step();
    }
    return every ? kExitAllOk : kExitNotAllOk;
}

} // namespace kvr
