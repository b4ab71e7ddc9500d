#include "CheckCommand.h"

#include "CommandLine.h"
#include "Console.h"
#include "ExperimentDialogs.h"
#include "InputFields.h"
#include "Translations.h"

#include <QCoreApplication>

namespace kvr {

Verdict ShownVerdict(const QString &path, const FileRun &run) {
    Verdict verdict = Judge(run);
    if (verdict.status == CheckStatus::File)
        verdict.message = FailureText(FileKind::Experiment, FileAction::Open, path, verdict.message)
                              .toStdString();
    return verdict;
}

int RunCheck(char *program, const QStringList &files) {
    // No display: the table needs the locale and the files only.
    int argc = 1;
    char *argv[] = {program, nullptr};
    SilenceToolkitMessages();
    QCoreApplication application(argc, argv);
    InstallTranslations(application);
    const std::string separator = DecimalSeparator();
    WriteOut(QByteArray::fromStdString(CheckLine(CheckColumns())));
    Progress progress(QT_TRANSLATE_NOOP("CommandLine", "Перевірено"), files.size());
    bool allOk = true;
    for (const QString &path : files) {
        const std::unique_ptr<FileRun> run = RunExperimentFile(path, separator);
        const Verdict verdict = ShownVerdict(path, *run);
        allOk = allOk && verdict.status == CheckStatus::Ok;
        WriteOut(QByteArray::fromStdString(CheckLine(CheckCells(path, *run, verdict))));
        progress.Step();
    }
    if (!FinishOut()) {
        WriteError(LostOutputText());
        return kExitUsage;
    }
    return allOk ? kExitAllOk : kExitNotAllOk;
}

} // namespace kvr
