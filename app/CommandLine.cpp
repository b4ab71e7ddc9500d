#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace kvr {

namespace {

// The toolkit's own options and whether each takes a value: accepted here, so that they
// reach the windows' application object, which reads them itself.
struct ToolkitOption {
    const char *name;
    bool hasValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

const QString kCheck = QStringLiteral("check");
const QString kReport = QStringLiteral("report");
const QString kChecker = QStringLiteral("checker");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

void AddOptions(QCommandLineParser &parser) {
    // Qt's options are written with one dash ("-platform xcb"), ours with one or two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(kCheck));
    parser.addOption(QCommandLineOption(kReport, {}, QStringLiteral("DIR")));
    parser.addOption(QCommandLineOption(kChecker, {}, QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("v"), kVersion}));
    for (const ToolkitOption &option : kToolkitOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), {},
                                            option.hasValue ? QStringLiteral("value") : QString()));
}

Command Asked(Mode mode, const QStringList &files = {}, const QString &folder = {}) {
    return {mode, files, folder, nullptr, {}, {}};
}

Command Refused(const char *problem, const QString &argument = {}) {
    return {Mode::UsageError, {}, {}, problem, argument, {}};
}

// The argument as it was typed that the parser read as the option `name`: its dashes and
// any "=value" are part of what the user should recognise.
QString TypedOption(const QStringList &arguments, const QString &name) {
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const qsizetype dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
        if (argument.startsWith(QLatin1Char('-')) &&
            argument.mid(dashes).section(QLatin1Char('='), 0, 0) == name)
            return argument;
    }
    return name;
}

Command ParseError(const QCommandLineParser &parser, const QStringList &arguments) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return Refused(QT_TRANSLATE_NOOP("CommandLine", "невідомий параметр «%1»"),
                       TypedOption(arguments, unknown.constFirst()));
    return Refused(QT_TRANSLATE_NOOP("CommandLine", "бракує значення параметра"));
}

Command ReportCommand(const QCommandLineParser &parser) {
    // A folder that is not there yet is made when the reports are written.
    const QString folder = parser.value(kReport);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        return Refused(QT_TRANSLATE_NOOP("CommandLine", "«%1» — це файл, а не тека"), folder);
    if (parser.positionalArguments().isEmpty())
        return Refused(
            QT_TRANSLATE_NOOP("CommandLine", "--report потребує хоча б одного файлу досліду"));
    Command command = Asked(Mode::Report, parser.positionalArguments(), folder);
    command.checker = parser.value(kChecker);
    return command;
}

} // namespace

Command ParseCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments))
        return ParseError(parser, arguments);
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(kHelp))
        return Asked(Mode::Help);
    if (parser.isSet(kVersion))
        return Asked(Mode::Version);
    if (parser.isSet(kCheck) && parser.isSet(kReport))
        return Refused(QT_TRANSLATE_NOOP("CommandLine", "--check і --report не поєднуються"));
    if (parser.isSet(kReport))
        return ReportCommand(parser);
    if (parser.isSet(kCheck))
        return files.isEmpty() ? Refused(QT_TRANSLATE_NOOP(
                                     "CommandLine", "--check потребує хоча б одного файлу досліду"))
                               : Asked(Mode::Check, files);
    if (files.size() > 1)
        return Refused(
            QT_TRANSLATE_NOOP("CommandLine", "вікна відкривають щонайбільше один файл досліду"));
    return Asked(Mode::Windows, files);
}

QString Command::Problem() const {
    const QString text = QCoreApplication::translate("CommandLine", problem);
    return problemArgument.isNull() ? text : text.arg(problemArgument);
}

QString UsageText() {
    return QCoreApplication::translate(
        "CommandLine",
        "Використання:\n"
        "  kvr [ФАЙЛ]                 вікна програми; ФАЙЛ відкривається, як «Відкрити дослід…»\n"
        "  kvr --check ФАЙЛ...        рядок на кожен дослід, через табуляцію, у стандартний "
        "вивід\n"
        "  kvr --report ТЕКА ФАЙЛ...  звіт PDF на кожен дослід у ТЕЦІ, не замінюючи наявних\n"
        "      --checker ІМ'Я         ім'я після «Перевірив:» у кожному звіті\n"
        "  kvr --help | --version\n"
        "\n"
        "Кожен дослід розраховується, як у вікнах: «Розрахувати», потім «Визначити параметри»\n"
        "з часом τд, збереженим у файлі. Числа записуються з десятковим знаком мови системи.\n"
        "\n"
        "Стан завершення: 0 — усі досліди «ok» (для --report: кожен дістав свій звіт),\n"
        "1 — не всі, 2 — помилка виклику або запису у стандартний вивід.\n"
        "\n"
        "Мова вікон, звітів і повідомлень — перша з мов системи (LANGUAGE, LANG), яку має\n"
        "програма: українська або англійська; інакше українська.\n");
}

QString LostOutputText() {
    return QCoreApplication::translate("CommandLine",
                                       "kvr: не вдалося записати у стандартний вивід\n");
}

QString VersionText() { return QStringLiteral("kvr " KVR_VERSION "\n"); }

} // namespace kvr
