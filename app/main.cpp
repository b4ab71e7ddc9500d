#include "CheckCommand.h"
#include "CommandLine.h"
#include "Console.h"
#include "NativeNames.h"
#include "ReportCommand.h"
#include "Translations.h"
#include "WindowSet.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QStringList ArgumentsOf(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << kvr::ArgumentText(QByteArray(argv[i]));
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

// Whether the windows have somewhere to appear: a display, or a platform asked for by name.
bool CanShowWindows(const QStringList &arguments) {
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    return arguments.contains(QLatin1String("-platform")) ||
           arguments.contains(QLatin1String("--platform"));
}

// Said in the program's own words instead of the toolkit's abort.
int RefuseWindows(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    kvr::InstallTranslations(application);
    kvr::WriteError(QStringLiteral("kvr: ") +
                    QCoreApplication::translate("CommandLine",
                                                "немає дисплея: вікна не відкрити; без вікон "
                                                "працюють kvr --check і kvr --report"));
    return kvr::kExitUsage;
}

int RunWindows(int argc, char **argv, const QStringList &files) {
    if (!CanShowWindows(ArgumentsOf(argc, argv)))
        return RefuseWindows(argc, argv);
    kvr::KvrApplication application(argc, argv);
    kvr::WindowSet windows;
    windows.Start();
    // `kvr FILE`, as the desktop entry starts it for an experiment file.
    if (!files.isEmpty())
        windows.OpenExperimentLater(QFile::decodeName(kvr::NativeBytes(files.constFirst())));
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
        return kvr::RunCheck(argv[0], command);
    case kvr::Mode::Report:
        return kvr::RunReports(argv[0], command);
    case kvr::Mode::Windows:
        break;
    }
    return RunWindows(argc, argv, command.files);
}
