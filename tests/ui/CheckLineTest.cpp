// The real `kvr --check` on the fixed files, 300 random ones, a broken and a missing file,
// beside what the windows do with each: the same status and message, the numbers the results
// window shows, and the windows' own copy of the run, whole.
#include "DefaultRun.h"

#include "CheckRow.h"
#include "ExperimentFile.h"
#include "ResultLabels.h"
#include "ResultsReport.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

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
    at(6) = number(0.1, 3);
    at(7) = number(0.05, 0.5);
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
    press([&] { opened = Form_Main->OpenExperiment(path); });
    if (opened)
        press([] { Find<QPushButton>(Form_Main, "Button1")->click(); });
    if (opened && Buttons(Runs).determine)
        press([] { Find<QPushButton>(Form_Result, "Button1")->click(); });
    return shown.join(' ');
}

qsizetype Column(const char *name) {
    const std::vector<std::string> columns = CheckColumns();
    return std::find(columns.begin(), columns.end(), name) - columns.begin();
}

// The run a line reports, the typed numbers as the fields show them once read.
RunReport ReportOfLine(const QStringList &cells) {
    std::vector<std::string> texts;
    const std::vector<QuantityValue> values = QuantityValues();
    for (std::size_t k = 0; k < values.size(); ++k) {
        const std::string cell = cells[qsizetype(k) + 3].toStdString();
        const bool number =
            values[k].Typed() && values[k].Slot() >= 0 &&
            (values[k].Slot() >= kMainWindowSlots || ListItems(values[k].Slot()).empty());
        texts.push_back(number ? WithPoints(cell) : cell);
    }
    const bool determined = !cells[Column("wear_model_c")].isEmpty();
    if (!determined)
        texts[std::size_t(Column("chosen_time") - 3)].clear();
    return RunReport(std::move(texts), determined);
}

TEST_F(CheckTable, HoldsWhatTheWindowsShowAndCopy) {
    QTemporaryDir dir;
    const QDir fixed(QStringLiteral(KVR_SOURCE_DIR "/tests/cli/files"));
    QStringList paths;
    for (const QString &name : fixed.entryList({QStringLiteral("*.kvr")}))
        paths << fixed.filePath(name);
    std::mt19937 random(20261207);
    for (int k = 0; k < 300; ++k) {
        paths << dir.filePath(QStringLiteral("%1.kvr").arg(k));
        ASSERT_EQ(WriteExperimentFile(paths.back(), RandomTexts(random)), "");
    }
    paths << dir.filePath(QStringLiteral("missing.kvr"));
    QProcess check;
    check.start(QStringLiteral(KVR_BINARY), QStringList{QStringLiteral("--check")} + paths);
    ASSERT_TRUE(check.waitForFinished(120000));
    EXPECT_EQ(check.exitCode(), 1);
    const QStringList lines = QString::fromUtf8(check.readAllStandardOutput()).split('\n');
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
            EXPECT_EQ(cells[2], QString(shown).replace('\n', ' '));
        }
        EXPECT_EQ(Buttons(Runs).graphs, cells[1] == QLatin1String("ok"));
        if (!Buttons(Runs).copy || cells[1] == QLatin1String("input"))
            continue;
        EXPECT_EQ(ResultsReport(ReportOfLine(cells)), ResultsReport(Runs, State));
        for (const QuantityValue &value : QuantityValues()) {
            if (value.quantity->source != Source::Result)
                continue;
            const QString &cell = cells[Column(value.Column().c_str())];
            const ResultItem item{ResultKind(value.quantity->first), value.cutter, value.interval};
            EXPECT_TRUE(!cell.isEmpty() &&
                        Find<QLabel>(Form_Result, ResultLabel(item))->text().contains(cell))
                << value.Column();
        }
    }
    for (const char *status : {"file", "input", "fault", "warning", "ok"})
        EXPECT_GE(statuses[QLatin1String(status)], 2) << status;
}

} // namespace
} // namespace kvr::test
