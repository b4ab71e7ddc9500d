#include "CheckCommand.h"
#include "CommandLine.h"
#include "Console.h"
#include "ReportCommand.h"
#include "Translations.h"
#include "WindowSet.h"

#include <QCoreApplication>

namespace {

QStringList ArgumentsOf(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int Print(const QString &text) {
    kvr::WriteOut(text.toUtf8());
    if (kvr::FinishOut())
        return kvr::kExitAllOk;
    kvr::WriteError(kvr::LostOutputText());
    return kvr::kExitUsage;
}

int Refuse(const kvr::Command &command) {
    kvr::WriteError(QStringLiteral("kvr: ") + command.Problem() + QLatin1Char('\n'));
    kvr::WriteError(kvr::UsageText());
    return kvr::kExitUsage;
}

// What the command line prints needs no display, only the interface's language.
int Answer(int argc, char **argv, const kvr::Command &command) {
    QCoreApplication application(argc, argv);
    kvr::InstallTranslations(application);
    if (command.mode == kvr::Mode::UsageError)
        return Refuse(command);
    return Print(command.mode == kvr::Mode::Help ? kvr::UsageText() : kvr::VersionText());
}

int RunWindows(int argc, char **argv, const QStringList &files) {
    kvr::KvrApplication application(argc, argv);
    kvr::WindowSet windows;
    windows.Start();
    // `kvr FILE`, as the desktop entry starts it for an experiment file.
    if (!files.isEmpty())
        windows.OpenExperimentLater(files.constFirst());
    return application.exec();
}

} // namespace

int main(int argc, char **argv) {
    const kvr::Command command = kvr::ParseCommandLine(ArgumentsOf(argc, argv));
    switch (command.mode) {
    case kvr::Mode::Help:
    case kvr::Mode::Version:
    case kvr::Mode::UsageError:
        return Answer(argc, argv, command);
    case kvr::Mode::Check:
        return kvr::RunCheck(argv[0], command.files);
    case kvr::Mode::Report:
        return kvr::RunReports(argv[0], command.folder, command.files);
    case kvr::Mode::Windows:
        break;
    }
    return RunWindows(argc, argv, command.files);
}
