#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

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
const QString kOutput = QStringLiteral("output");
// "-o" or "--output", as typed.
const QStringList kOutputNames{QStringLiteral("o"), kOutput};
const QString kFilesFrom = QStringLiteral("files-from");
const QString kNull = QStringLiteral("null");
const QString kLimits = QStringLiteral("limits");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

void AddOptions(QCommandLineParser &parser) {
    // Qt's options are written with one dash ("-platform xcb"), ours with one or two.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(kCheck));
    parser.addOption(QCommandLineOption(kReport, {}, QStringLiteral("DIR")));
    parser.addOption(QCommandLineOption(kChecker, {}, QStringLiteral("NAME")));
    parser.addOption(QCommandLineOption(kOutputNames, {}, QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(kFilesFrom, {}, QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(kNull));
    parser.addOption(QCommandLineOption(kLimits, {}, QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("v"), kVersion}));
    for (const ToolkitOption &option : kToolkitOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), {},
                                            option.hasValue ? QStringLiteral("value") : QString()));
}

Command Asked(Mode mode, const QStringList &files = {}, const QString &folder = {}) {
    Command command;
    command.mode = mode;
    command.files = files;
    command.folder = folder;
    return command;
}

Command Refused(const char *problem, const QString &argument = {}) {
    Command command;
    command.mode = Mode::UsageError;
    command.problem = problem;
    command.problemArgument = argument;
    return command;
}

// The files of a batch run: named, in folders, or listed in a file.
Command BatchCommand(const QCommandLineParser &parser, Mode mode, const QString &folder = {}) {
    Command command = Asked(mode, parser.positionalArguments(), folder);
    command.listFile = parser.value(kFilesFrom);
    command.nullSeparated = parser.isSet(kNull);
    command.output = parser.value(kOutput);
    command.checker = parser.value(kChecker);
    command.limits = parser.value(kLimits);
    return command;
}

bool NamesFiles(const QCommandLineParser &parser) {
    return !parser.positionalArguments().isEmpty() || parser.isSet(kFilesFrom);
}

// The argument as it was typed that the parser read as an option of these names: its dashes
// and any "=value" are part of what the user should recognise. The parser reads no option
// after "--", so the option stands before it.
QString TypedOption(const QStringList &arguments, const QStringList &names) {
    const auto typed = std::find_if(arguments.begin() + 1, arguments.end(), [&](const QString &a) {
        const qsizetype dashes = a.startsWith(QLatin1String("--")) ? 2 : 1;
        return a.startsWith(QLatin1Char('-')) &&
               names.contains(a.mid(dashes).section(QLatin1Char('='), 0, 0));
    });
    return typed != arguments.end() ? *typed : names.constFirst();
}

Command ParseError(const QCommandLineParser &parser, const QStringList &arguments) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return Refused(QT_TRANSLATE_NOOP("CommandLine", "невідомий параметр «%1»"),
                       TypedOption(arguments, {unknown.constFirst()}));
    return Refused(QT_TRANSLATE_NOOP("CommandLine", "бракує значення параметра"));
}

Command ReportCommand(const QCommandLineParser &parser) {
    // A folder that is not there yet is made when the reports are written.
    const QString folder = parser.value(kReport);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        return Refused(QT_TRANSLATE_NOOP("CommandLine", "«%1» — це файл, а не тека"), folder);
    if (!NamesFiles(parser))
        return Refused(
            QT_TRANSLATE_NOOP("CommandLine", "--report потребує хоча б одного файлу досліду"));
    if (parser.isSet(kOutput))
        return Refused(QT_TRANSLATE_NOOP("CommandLine", "--output буває лише з --check"));
    return BatchCommand(parser, Mode::Report, folder);
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
        return NamesFiles(parser)
                   ? BatchCommand(parser, Mode::Check)
                   : Refused(QT_TRANSLATE_NOOP("CommandLine",
                                               "--check потребує хоча б одного файлу досліду"));
    for (const QString &batchOnly : {kOutput, kFilesFrom, kNull, kChecker, kLimits})
        if (parser.isSet(batchOnly))
            return Refused(
                QT_TRANSLATE_NOOP("CommandLine", "«%1» буває лише з --check чи --report"),
                TypedOption(arguments,
                            batchOnly == kOutput ? kOutputNames : QStringList{batchOnly}));
    if (files.size() > 1)
        return Refused(
            QT_TRANSLATE_NOOP("CommandLine", "вікна відкривають щонайбільше один файл досліду"));
    return Asked(Mode::Windows, files);
}

QString Command::Problem() const {
    const QString text = QCoreApplication::translate("CommandLine", problem);
    return problemArgument.isNull() ? text : text.arg(problemArgument);
}

bool Command::WritesWorkbook() const {
    return !output.isEmpty() && !output.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive);
}

QString UsageText() {
    return QCoreApplication::translate(
        "CommandLine",
        "Використання:\n"
        "  kvr [ФАЙЛ]                 вікна програми; ФАЙЛ відкривається, як «Відкрити дослід…»\n"
        "  kvr --check ФАЙЛ...        рядок на кожен дослід, через табуляцію, у стандартний "
        "вивід\n"
        "      -o, --output ФАЙЛ      таблиця у книгу .xlsx (або у ФАЙЛ .tsv)\n"
        "  kvr --report ТЕКА ФАЙЛ...  звіт PDF на кожен дослід у ТЕЦІ, не замінюючи наявних;\n"
        "                             дослід, чий звіт там уже є, вдруге не складається\n"
        "      --checker ІМ'Я         ім'я після «Перевірив:» у кожному звіті\n"
        "  ФАЙЛ може бути текою: усі її файли *.kvr (і *.KVR) за назвою.\n"
        "      --files-from СПИСОК    ще й файли зі СПИСКУ, по одному в рядку (- : стандартний "
        "ввід)\n"
        "      --null                 у СПИСКУ назви розділено байтом NUL\n"
        "      --limits МЕЖІ          межі величин лабораторії для приміток: рядки\n"
        "                             «ключ найменше найбільше», напр. «spindle_speed 10 4000»\n"
        "  kvr --help | --version\n"
        "\n"
        "Кожен дослід розраховується, як у вікнах: «Розрахувати», потім «Визначити параметри»\n"
        "з часом τд, збереженим у файлі. Числа записуються з десятковим знаком мови системи.\n"
        "\n"
        "Стан завершення: 0 — усі досліди «ok» (для --report: кожен дістав свій звіт),\n"
        "1 — не всі, 2 — помилка виклику, списку файлів чи запису таблиці.\n"
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
