#include "ReportCommand.h"

#include "CheckRow.h"
#include "Console.h"
#include "FileList.h"
#include "GroupCheck.h"
#include "GroupReports.h"
#include "NativeNames.h"
#include "Translations.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace kvr {

int RunReports(char *program, const Command &command) {
    // The page needs fonts, which only a graphical application has; no screen and no widget.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char *argv[] = {program, nullptr};
    SilenceToolkitMessages();
    QGuiApplication application(argc, argv);
    InstallTranslations(application);
    const std::optional<BatchInputs> batch = StartBatch(command);
    if (!batch)
        return kExitUsage;
    const FileList &list = batch->list;
    const QString folder = QFile::decodeName(NativeBytes(command.folder));
    if (!QDir().mkpath(folder)) {
        WriteError(
            QCoreApplication::translate("CommandLine", "kvr: теку «%1» не створити").arg(folder));
        return kExitNotAllOk;
    }
    GroupCheck check(batch->limits);
    GroupReports writer(folder, command.checker);
    QStringList withoutModels;
    bool every = !list.files.isEmpty();
    {
        Progress progress(QT_TRANSLATE_NOOP("CommandLine", "Опрацьовано"), list.files.size());
        for (const QByteArray &path : list.files) {
            const ReportOutcome outcome = writer.Write(check.Check(path));
            const QString written = outcome ? outcome->path : QString();
            // Which experiment became which report, for a script to follow.
            WriteOut(QByteArray::fromStdString(
                CheckLine({ReadableName(path).toStdString(), written.toStdString()})));
            if (!outcome)
                progress.Message(outcome.Error().Reason(FileAction::Save));
            else if (outcome->unchanged)
                progress.Message(UnchangedText(ReadableName(path), *outcome));
            if (outcome && outcome->withoutModels)
                withoutModels << written;
            every = every && outcome;
            progress.Step();
        }
    }
    if (!withoutModels.isEmpty())
        WriteError(QCoreApplication::translate(
                       "CommandLine",
                       "Звіти, де бракує математичних моделей (причину сказано на сторінці):") +
                   QStringLiteral("\n  ") + withoutModels.join(QStringLiteral("\n  ")));
    if (!FinishOut()) {
        WriteError(LostOutputText());
        return kExitUsage;
    }
    return every ? kExitAllOk : kExitNotAllOk;
}

} // namespace kvr
