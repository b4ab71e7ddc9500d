// The real `kvr --check` on the fixed files, 300 random ones, a broken and a missing file,
// beside what the windows do with each: the same status and message, the numbers the results
// window shows, and the windows' own copy of the run, whole.
#include "DefaultRun.h"

#include "CheckRow.h"
#include "ExperimentFile.h"
#include "GroupCheck.h"
#include "NativeNames.h"
#include "ResultLabels.h"
#include "ResultsReport.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <random>

namespace kvr::test {
namespace {

using CheckTable = WindowTest;

// Mostly a plausible run; now and then a text no field reads, a zero, a time out of the
// span or a flat wear, so that every status comes up.
ExperimentTexts RandomTexts(std::mt19937 &random) {
    const auto pick = [&random](auto... texts) {
        const char *choices[] = {texts...};
        return std::string(choices[random() % sizeof...(texts)]);
    };
    const auto number = [&random](double from, double to) {
        return QString::number(std::uniform_real_distribution<double>(from, to)(random), 'f', 2)
            .toStdString();
    };
    ExperimentTexts texts;
    texts.name = pick("Іваненко", "Student 7", "Коваль О.", "Петренко", "");
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        const auto items = ListItems(slot);
        texts.fields[std::size_t(slot)] =
            items.empty() ? number(0.5, 3) : items[random() % items.size()];
    }
    const auto at = [&texts](int slot) -> std::string & { return texts.fields[std::size_t(slot)]; };
    at(kDiameterSlot) = number(20, 200);
    at(kDepthOfCutSlot) = number(0.1, 3);
    at(kFeedSlot) = number(0.05, 0.5);
    at(kAllowableFlankWearSlot) = number(20, 90);
    for (int i = 1; i <= kCutters; ++i) {
        at(SpindleSpeedSlot(i)) = number(100, 1500);
        for (int j = 1; j <= kIntervals; ++j)
            at(FlankWearSlot(i, j)) = number(10 * j, 10 * j + 25);
    }
    texts.chosenTime = number(0.5, 4);
    switch (random() % 8) {
    case 0:
        at(RunningTimeSlot(1 + random() % 3, 1 + random() % 3)) = pick("abc", "", "1..2", "-");
        break;
    case 1:
        at(SpindleSpeedSlot(1 + random() % 3)) = pick("0", "-5", "0,0");
        break;
    case 2:
        texts.chosenTime = pick("40", "0", "x", "0,01");
        break;
    case 3:
        for (int j = 1; j <= kIntervals; ++j)
            at(FlankWearSlot(2, j)) = "30";
        break;
    case 4:
        at(kDiameterSlot) = number(-100, 0);
        break;
    default:
        break;
    }
    return texts;
}

// The file opened, "Розрахувати", and "Визначити параметри" where allowed; the texts of
// the modal windows they raised.
QString RunInWindows(const QString &path) {
    QStringList shown;
    const auto press = [&shown](const std::function<void()> &action) {
        for (const ModalCapture &modal : AnswerModals(action))
            for (const QString &text : modal.texts)
                if (!text.isEmpty())
                    shown << text;
    };
    bool opened = false;
    press([&] { opened = Form_Main()->OpenExperiment(path); });
    if (opened)
        press([] { Main().calculate->click(); });
    if (opened && Buttons(Status()).determine)
        press([] { Results().determine->click(); });
    return shown.join(' ');
}

qsizetype Column(const char *name) {
    const std::vector<std::string> columns = CheckColumns();
    return std::find(columns.begin(), columns.end(), name) - columns.begin();
}

// The run a line reports, the typed numbers as the fields show them once read.
RunReport ReportOfLine(const QStringList &cells) {
    const bool determined = !cells[Column("wear_model_c")].isEmpty();
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < TableColumns().size(); ++k)
        if (const QuantityValue &value = TableColumns()[k].value; value.quantity) {
            const int slot = value.Slot();
            // The fixed files' names hold a TAB, an ESC and a leading "+", which the table
            // shows escaped.
            std::string cell = QString(cells[qsizetype(k)])
                                   .replace(QLatin1String("\\t"), QLatin1String("\t"))
                                   .replace(QLatin1String("\\x1B"), QLatin1String("\x1B"))
                                   .replace(QRegularExpression(QStringLiteral("^'([-+=@])")),
                                            QStringLiteral("\\1"))
                                   .toStdString();
            if (value.Typed() && slot >= 0 && ListItems(slot).empty())
                cell = !determined && slot == kChosenTimeSlot ? "" : WithPoints(cell);
            texts.push_back(cell);
        }
    return RunReport(std::move(texts), determined);
}

// `kvr --check ARGUMENTS`: its standard output and error, after the exit status is checked.
std::pair<QByteArray, QString> CheckOutput(const QStringList &arguments) {
    QProcess check;
    check.start(QStringLiteral(KVR_BINARY), QStringList{QStringLiteral("--check")} + arguments);
    EXPECT_TRUE(check.waitForFinished(120000));
    EXPECT_EQ(check.exitCode(), 1);
    return {check.readAllStandardOutput(), QString::fromUtf8(check.readAllStandardError())};
}

// The fixed files and 300 random ones in one folder; their paths in the order of their bytes.
QStringList GroupFolder(const QTemporaryDir &dir) {
    const QDir fixed(QStringLiteral(KVR_SOURCE_DIR "/tests/cli/files"));
    for (const QString &name : fixed.entryList({QStringLiteral("*.kvr")}))
        QFile::copy(fixed.filePath(name), dir.filePath(name));
    std::mt19937 random(20261207);
    for (int k = 0; k < 300; ++k)
        EXPECT_TRUE(WriteExperimentFile(dir.filePath(QStringLiteral("r%1.kvr").arg(k)),
                                        RandomTexts(random)));
    QStringList paths;
    for (const QString &name : QDir(dir.path()).entryList({QStringLiteral("*.kvr")}))
        paths << dir.filePath(name);
    std::sort(paths.begin(), paths.end(),
              [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
    return paths;
}

// The check given the folder.
TEST_F(CheckTable, HoldsWhatTheWindowsShowAndCopy) {
    QTemporaryDir dir;
    QStringList paths = GroupFolder(dir);
    paths << dir.filePath(QStringLiteral("missing.kvr"));
    const QByteArray table = CheckOutput({dir.path(), paths.constLast()}).first;
    CheckOutput({QStringLiteral("-o"), dir.filePath(QStringLiteral("g.xlsx")), dir.path(),
                 paths.constLast()});
    QFile tsv(dir.filePath(QStringLiteral("g.tsv")));
    ASSERT_TRUE(tsv.open(QIODevice::WriteOnly) && tsv.write(table) == table.size());
    tsv.close();
    // Read by the spreadsheet, under both languages' number formats.
    EXPECT_EQ(QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                {QStringLiteral(KVR_SOURCE_DIR "/tests/cli/workbook.py"),
                                 dir.filePath(QStringLiteral("g.xlsx")), tsv.fileName(), Sep(),
                                 QStringLiteral(KVR_LOCALE_DIR)}),
              0);
    const QStringList lines = QString::fromUtf8(table).split('\n');
    ASSERT_EQ(lines.size(), paths.size() + 2); // the header, and nothing after the last line
    EXPECT_EQ(lines[0].toStdString() + '\n', kvr::CheckLine(CheckColumns()));
    std::map<QString, int> statuses;
    for (qsizetype k = 0; k < paths.size(); ++k) {
        SCOPED_TRACE(paths[k].toStdString());
        const QStringList cells = lines[k + 1].split('\t');
        ASSERT_EQ(cells.size(), qsizetype(CheckColumns().size()));
        EXPECT_EQ(cells[0], paths[k]);
        statuses[cells[1]] += 1;
        TearDown(); // the windows as `kvr FILE` starts them
        SetUp();
        const QString shown = RunInWindows(paths[k]);
        // The fields the windows mark say nothing in a window of their own.
        if (cells[1] != QLatin1String("input")) {
            // The error box keeps its first line; the table tells it in the interface's language.
            QString message = QString(shown).replace('\n', ' ');
            if (const QString first = shown.section('\n', 0, 0); cells[1] == QLatin1String("fault"))
                message.replace(0, first.size(),
                                QCoreApplication::translate(
                                    "Results", FaultWords(first.chopped(1).toStdString())));
            EXPECT_EQ(cells[Column("message")], message);
        }
        EXPECT_EQ(Buttons(Status()).graphs, cells[1] == QLatin1String("ok"));
        if (!Buttons(Status()).copy || cells[1] == QLatin1String("input"))
            continue;
        EXPECT_EQ(ResultsReport(ReportOfLine(cells)), ResultsReport(Status(), State()));
        for (const QuantityValue &value : QuantityValues()) {
            if (value.quantity->source != Source::Result)
                continue;
            const QString &cell = cells[Column(value.Column().c_str())];
            const ResultItem item{ResultKind(value.quantity->first), value.cutter, value.interval};
            EXPECT_TRUE(!cell.isEmpty() &&
                        Find<QLabel>(Form_Result(), ResultLabel(item))->text().contains(cell))
                << value.Column();
        }
    }
    for (const StatusRow &row : kCheckStatuses)
        EXPECT_GE(statuses[QLatin1String(row.word)], 2) << row.word;
}

// How many inputs are conditions, each typed value's column and slot among the inputs, the
// reading order and the check's header: "12 conditions: name=-1 … 0 1 … file\tstatus…".
std::string Tables(std::span<const Quantity> quantities, std::span<const InputRow> inputs,
                   std::span<const InputField> order) {
    std::string text = std::to_string(ConditionCount(inputs)) + " conditions: ";
    for (const QuantityValue &value : QuantityValues(quantities.first(TypedCount(quantities))))
        text += value.Column() + '=' + std::to_string(value.Slot(inputs)) + ' ';
    for (const InputField &field : order)
        text += std::to_string(field.slot) + ' ';
    return text + CheckLine(CheckColumns(quantities));
}

// One input more, given only its row and its quantity's: a condition, its slot after the
// others' and τд's after it, read before the measurements, with its column in the check.
TEST(InputTable, OneMoreInputNeedsOnlyItsRows) {
    static constexpr auto inputs = [] {
        std::array<InputRow, kInputs.size() + 1> rows{};
        std::copy(kInputs.begin(), kInputs.end(), rows.begin());
        // Any member of the record will do for the tables.
        rows.back() = {
            "nose_radius", 0, 0, InputKind::Number, &fields::Direct<&CalculationValues::feed>,
            "0,8"};
        return rows;
    }();
    std::vector<Quantity> quantities(std::begin(kQuantities), std::end(kQuantities));
    quantities.insert(quantities.begin() + 11, {"nose_radius", Shape::One, Source::Field});
    std::string expected = Tables(kQuantities, kInputs, kInputFields);
    expected.replace(0, 2, "13");
    expected.replace(expected.find("chosen_time=30"), 14, "chosen_time=31");
    expected.replace(expected.find(" 29 11 "), 7, " 29 30 11 ");
    expected.insert(expected.find("running_time_1_1="), "nose_radius=30 ");
    expected.insert(expected.find("running_time_1_1\t"), "nose_radius\t");
    EXPECT_EQ(Tables(quantities, inputs, ReadingOrder(inputs)), expected);
    EXPECT_STREQ(DefaultTexts(inputs).back(), "0,8");
}

// Every byte a name may hold: shown so that no two names look the same, given back whole.
TEST(NativeNames, ShowEachNameApartAndGiveItsBytesBack) {
    const std::pair<QByteArray, const char *> rows[] = {
        {"a\\b\t\n\r\x1B\x7F.kvr", "a\\\\b\\t\\n\\r\\x1B\\x7F.kvr"},
        {"\xCF\xE5 \xD0\x9F\xF0\x9F\x98\x80x\xE0\xA0\x80", "\\xCF\\xE5 П😀x\u0800"},
        // Overlong twice, a UTF-16 surrogate, beyond U+10FFFF, cut short.
        {"\xC0\xAF\xE0\x9F\xBF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82",
         "\\xC0\\xAF\\xE0\\x9F\\xBF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xE2\\x82"},
    };
    for (const auto &[bytes, shown] : rows) {
        EXPECT_EQ(ReadableName(bytes), QString::fromUtf8(shown));
        EXPECT_EQ(NativeBytes(ArgumentText(bytes)), bytes);
    }
}

// Ukrainian's three forms of "файл", each side of every boundary of its rule.
TEST(SummaryText, CountsFilesInEachFormOfTheWord) {
    const std::pair<int, const char *> rows[] = {
        {1, "файл"},    {2, "файли"},    {4, "файли"},    {5, "файлів"}, {11, "файлів"},
        {12, "файлів"}, {14, "файлів"},  {15, "файлів"},  {21, "файл"},  {22, "файли"},
        {25, "файлів"}, {111, "файлів"}, {112, "файлів"}, {121, "файл"}, {0, "файлів"},
    };
    for (const auto &[n, word] : rows) {
        StatusCounts counts{};
        counts[std::size_t(CheckStatus::Warning)] = n;
        EXPECT_EQ(SummaryText(counts),
                  QStringLiteral("%1 %2: 0 без помилок, %1 з попередженням, 0 з помилкою "
                                 "обчислення, 0 з хибними даними, 0 не відкрито")
                      .arg(n)
                      .arg(QString::fromUtf8(word)));
    }
}

// The sheets' rows of two workbooks, compared whole; their creation times differ.
bool SameSheets(const QString &one, const QString &other) {
    return QProcess::execute(
               QStringLiteral("/usr/bin/python3"),
               {QStringLiteral("-c"),
                QStringLiteral(
                    "import sys, zipfile\n"
                    "sheet = lambda f: zipfile.ZipFile(f).read('xl/worksheets/sheet1.xml')\n"
                    "sys.exit(sheet(sys.argv[1]) != sheet(sys.argv[2]))"),
                one, other}) == 0;
}

// What the progress says at `value` over `files`, sorted by their bytes.
QString Progress(const QStringList &files, int value) {
    return QStringLiteral("GroupProgress: %1 з %2 — %3")
        .arg(value + 1)
        .arg(files.size())
        .arg(QFileInfo(files[value]).fileName());
}

// "Перевірити групу…": the folder, where to save, the choices (reports signed by `checker`,
// none without one) and `open` to press "Відкрити"; the values the progress showed, and the
// texts of the dialogs, the folder dialog's with where it opened, the choices' with their
// fields as found. `cancelAt` cancels at that value.
std::string CheckGroupInWindows(const QString &folder, const QString &workbook,
                                const std::optional<QString> &checker, QList<int> &shown,
                                int cancelAt = -1, bool open = false) {
    QStringList texts;
    const auto answer = [&](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            // Asked again until the deferred accept closes it; one entry a dialog.
            if (texts.isEmpty() || !texts.constLast().startsWith(dialog->objectName()))
                texts << dialog->objectName() + ": " + dialog->windowTitle() + " @ " +
                             dialog->directory().path();
            // A folder is chosen by opening it.
            if (dialog->objectName() == "FolderDialog")
                dialog->setDirectory(folder);
            else
                dialog->selectFile(workbook);
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog *>(dialog)->accept(); });
        } else if (auto *progress = qobject_cast<QProgressDialog *>(modal)) {
            if (shown.isEmpty())
                texts << progress->objectName() + ": " + progress->labelText();
            if (shown.isEmpty() || shown.constLast() != progress->value())
                shown << progress->value();
            if (progress->value() >= cancelAt && cancelAt >= 0)
                progress->cancel();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            texts << box->objectName() + ": " + box->text() + box->detailedText();
            EXPECT_LE(box->frameGeometry().height(), box->screen()->availableGeometry().height());
            if (box->objectName() == "GroupDoneBox" && open)
                box->button(QMessageBox::Yes)->click();
            return box->objectName() == "GroupDoneBox" && open;
        } else if (modal->objectName() == "GroupChoicesDialog") {
            auto *edit = Find<QLineEdit>(modal, "CheckerEdit");
            auto *limits = Find<QLineEdit>(modal, "LimitsEdit");
            // Limits that cannot be read keep the dialog, saying why; none are the built-in.
            const bool refused = texts.constLast().startsWith("LimitsFailureBox");
            if (!refused && !texts.constLast().startsWith(modal->objectName())) {
                texts << modal->objectName() + ": " + modal->findChild<QLabel *>()->text() + " / " +
                             Find<QLineEdit>(modal, "ReportFolderEdit")->text() + " / " +
                             edit->text() + " / " + edit->placeholderText();
                Find<QCheckBox>(modal, "ReportsCheck")->setChecked(checker.has_value());
                edit->setText(checker.value_or(edit->text()));
                limits->setText(open ? QStringLiteral("/no/limits") : QString());
                QTimer::singleShot(0, modal->findChild<QDialogButtonBox *>(),
                                   [box = modal->findChild<QDialogButtonBox *>()] {
                                       box->button(QDialogButtonBox::Ok)->click();
                                   });
            } else if (refused) {
                limits->clear();
                modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            }
            return true;
        }
        return true;
    };
    AnswerModals([] { Find<QAction>(Form_Main(), "CheckGroup")->trigger(); },
                 std::chrono::seconds(10), answer);
    return texts.join('|').toStdString();
}

TEST_F(CheckTable, InTheWindowsWritesTheSameWorkbookAndCancelLeavesNothing) {
    QTemporaryDir group, saved;
    const QStringList paths = GroupFolder(group);
    const QString cli = saved.filePath(QStringLiteral("cli.xlsx"));
    // The folder's count, then the summary: the windows say both as the command line does.
    const QStringList said =
        CheckOutput({QStringLiteral("-o"), cli, group.path()}).second.trimmed().split('\n');
    const QString summary = said.constLast();
    QList<int> shown;
    const QString workbook = saved.filePath(QStringLiteral("windows.xlsx"));
    const QString asked =
        QStringLiteral("FolderDialog: Тека з дослідами групи @ %2|FileDialog: Зберегти таблицю "
                       "групи @ %3|GroupChoicesDialog: %4 / "
                       "%1/%5 звіти /  / Тарвилко Н. Г.|%6")
            .arg(saved.path(), QDir::homePath(), group.path(), said.constFirst());
    const std::string texts = CheckGroupInWindows(group.path(), workbook, std::nullopt, shown);
    EXPECT_EQ(texts, (asked.arg(QStringLiteral("windows"), Progress(paths, shown[0])) +
                      QStringLiteral("|GroupDoneBox: Таблицю групи збережено у файл «%1».\n%2."
                                     "\n\nВідкрити таблицю?")
                          .arg(workbook, summary))
                         .toStdString());
    EXPECT_TRUE(SameSheets(cli, workbook));
    EXPECT_GT(shown.size(), 10);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    // Cancelled with reports half made: neither the workbook nor a report stays, and the
    // next check opens in the group's folder.
    shown.clear();
    const QStringList before = QDir(saved.path()).entryList(QDir::Files);
    const std::string cancelled = CheckGroupInWindows(
        group.path(), saved.filePath(QStringLiteral("cancelled.xlsx")), QString(), shown, 12);
    EXPECT_EQ(cancelled, QString(asked)
                             .replace(QDir::homePath(), group.path())
                             .arg("cancelled", Progress(paths, shown[0]))
                             .toStdString());
    EXPECT_EQ(shown.constLast(), 12);
    EXPECT_EQ(QDir(saved.path()).entryList(QDir::Files), before);
    EXPECT_EQ(QDir(saved.filePath("cancelled звіти")).entryList(QDir::Files), QStringList());
    EXPECT_EQ(QDir(group.path()).entryList(QDir::Files).size(), paths.size());
    EXPECT_EQ(CheckGroupInWindows(saved.path(), workbook, std::nullopt, shown),
              QStringLiteral("FolderDialog: Тека з дослідами групи @ %1|"
                             "NoExperimentsBox: У теці «%2» немає файлів дослідів (*.kvr).")
                  .arg(group.path(), saved.path())
                  .toStdString());
}

// 60 files that are no experiments beside two that are: their reports in a folder of their
// own, signed by the checker, not written again for unchanged files; the problems in the
// details of a box that fits the screen; and "Відкрити" where no program opens a workbook.
TEST_F(CheckTable, InTheWindowsSaysWhatBecameOfTheReports) {
    QTemporaryDir group, empty;
    const QString files = QStringLiteral(KVR_SOURCE_DIR "/tests/cli/files/");
    QFile::copy(files + "1-example.kvr", group.filePath("1-example.kvr"));
    QFile::copy(files + "5-out-of-span.kvr", group.filePath("5-out-of-span.kvr"));
    QString details, done;
    for (int k = 10; k < 70; ++k) {
        QFile::copy(files + "8-broken.kvr", group.filePath(QStringLiteral("b%1.kvr").arg(k)));
        details += QStringLiteral("\nНе вдалося відкрити дослід «%1/b%2.kvr»: вміст не є "
                                  "правильним текстом JSON.")
                       .arg(group.path())
                       .arg(k);
    }
    const QString workbook = group.filePath("g.xlsx"), reports = group.filePath("g звіти");
    // The desktop's lists of programs, empty; the test's others run on the machine's.
    std::map<const char *, QByteArray> desktop;
    for (const char *env : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
        desktop[env] = qgetenv(env), qputenv(env, QFile::encodeName(empty.path()));
    const QStringList names = QDir(group.path()).entryList({"*.kvr"}, QDir::Files, QDir::Name);
    QList<int> shown;
    for (const int fresh : {2, 0}) {
        shown.clear();
        const std::string texts = CheckGroupInWindows(
            group.path(), workbook, QStringLiteral("Петрів О. І."), shown, -1, true);
        done = QStringLiteral(
                   "GroupDoneBox: Таблицю групи збережено у файл «%1».\n62 файли: 1 без "
                   "помилок, 1 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, "
                   "60 не відкрито.\nЗвіти — у теці «%2»: нових %3, уже наявних (дослід не "
                   "змінився) %4; без математичних моделей 1 (причину сказано на сторінці).\n"
                   "Звітів не складено: 60 (чому — див. деталі).\n\nВідкрити таблицю?")
                   .arg(workbook, reports)
                   .arg(fresh)
                   .arg(2 - fresh);
        EXPECT_EQ(texts.substr(texts.find("|GroupChoices")),
                  ("|GroupChoicesDialog: У теці «" + group.path() +
                   "» знайдено 62 файли (*.kvr). / " + reports + " / " +
                   (fresh ? "" : "Петрів О. І.") +
                   " / Тарвилко Н. Г.|LimitsFailureBox: межі "
                   "«/no/limits» не прочитати: такого файлу немає; перевірте назву і папку.|" +
                   Progress(names, shown[0]) + "|" + done + details.mid(1) +
                   "|OpenWorkbookFailureBox: Не вдалося відкрити «" + workbook +
                   "»: у системі немає програми для електронних таблиць.")
                      .toStdString());
        QFile::remove(workbook);
    }
    for (const auto &[env, value] : desktop)
        value.isNull() ? qunsetenv(env) : qputenv(env, value);
    EXPECT_EQ(QDir(reports).entryList(QDir::Files).size(), 2);
    // A report folder that cannot be made stops the check before it starts.
    QFile(group.filePath("h звіти")).open(QIODevice::WriteOnly);
    const std::string texts =
        CheckGroupInWindows(group.path(), group.filePath("h.xlsx"), QString(), shown);
    EXPECT_EQ(texts.substr(texts.rfind('|')), "|ReportFolderFailureBox: Теку звітів «" +
                                                  group.filePath("h звіти").toStdString() +
                                                  "» не створити.");
    QProcess text;
    text.start("pdftotext", {QDir(reports).entryInfoList(QDir::Files)[0].filePath(), "-"});
    EXPECT_TRUE(text.waitForFinished() && text.readAll().contains("Перевірив: Петрів О. І."));
}

} // namespace
} // namespace kvr::test
