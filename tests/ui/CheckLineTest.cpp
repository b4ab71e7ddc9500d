// Each line of `kvr --check` beside what the windows do with the same file: the same status
// and message, and every cell the windows' copy of the run holds.
#include "DefaultRun.h"

#include "CheckCommand.h"
#include "InputFields.h"
#include "ResultsReport.h"

#include <QDir>

#include <map>

namespace kvr::test {
namespace {

using CheckLine = WindowTest;

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

// The copy's cells by the table's columns; the inputs as the copy writes what was read.
std::map<std::string, QString> CopiedCells(const QList<QStringList> &rows) {
    ExperimentTexts numbered; // every text its slot's number, to find its column
    for (int slot = 0; slot < kMainWindowSlots; ++slot)
        numbered.fields[std::size_t(slot)] = std::to_string(slot);
    std::map<int, std::string> column;
    for (const NamedText &text : NamedTexts(numbered))
        column[text.text.empty() ? -1 : std::stoi(text.text)] = text.name;
    std::map<std::string, QString> cells{{"name", rows[1][1]}};
    for (std::size_t k = 0; k < ReportedInputSlots().size(); ++k)
        cells[column[ReportedInputSlots()[k]]] = rows[5 + qsizetype(k)][1];
    for (int i = 1; i <= kCutters; ++i) {
        const std::string cutter = "_" + std::to_string(i);
        cells["cutting_speed" + cutter] = rows[23 + i][1];
        cells["total_time" + cutter] = rows[23 + i][2];
        for (int j = 1; j <= kIntervals; ++j) {
            cells[column[RunningTimeSlot(i, j)]] = rows[17 + i][j];
            cells[column[FlankWearSlot(i, j)]] = rows[17 + i][3 + j];
            cells["dimensional_wear" + cutter + "_" + std::to_string(j)] = rows[23 + i][2 + j];
        }
    }
    cells["allowable_dimensional_wear"] = rows[27][1];
    if (rows.size() > 30) // determined
        cells.insert({{"chosen_time", rows[30][1]},
                      {"wear_model_c", rows[32][1]},
                      {"wear_model_k", rows[32][2]},
                      {"life_model_c", rows.value(33).value(1)},
                      {"life_model_z", rows.value(33).value(2)}});
    return cells;
}

TEST_F(CheckLine, HoldsWhatTheWindowsShowAndCopy) {
    const QDir folder(QStringLiteral(KVR_SOURCE_DIR "/tests/cli/files"));
    QStringList paths{folder.filePath(QStringLiteral("missing.kvr"))};
    for (const QString &name : folder.entryList({QStringLiteral("*.kvr")}))
        paths << folder.filePath(name);
    const std::vector<std::string> columns = CheckColumns();
    const auto results = std::find(columns.begin(), columns.end(), "cutting_speed_1");
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        const std::unique_ptr<FileRun> run = RunExperimentFile(path, DecimalSeparator());
        const Verdict verdict = ShownVerdict(path, *run);
        const std::vector<std::string> line = CheckCells(path, *run, verdict);
        TearDown(); // the windows as `kvr FILE` starts them
        SetUp();
        const QString shown = RunInWindows(path);
        // The fields the windows mark say nothing in a window of their own.
        if (verdict.status != CheckStatus::Input) {
            EXPECT_EQ(QString::fromStdString(verdict.message), shown);
        }
        EXPECT_EQ(Buttons(Runs).graphs, verdict.status == CheckStatus::Ok);
        EXPECT_EQ(Buttons(Runs).copy, run->determination.has_value());
        if (!Buttons(Runs).copy || verdict.status == CheckStatus::Input)
            continue;
        QList<QStringList> rows;
        for (const QString &row : ResultsReport(Runs, State).split('\n'))
            rows << row.split('\t');
        const std::map<std::string, QString> copy = CopiedCells(rows);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const bool input = c > 3 && columns.begin() + qsizetype(c) < results;
            if (const auto cell = copy.find(columns[c]); cell != copy.end()) {
                EXPECT_EQ(cell->second.toStdString(),
                          input ? ReportedNumber(WithPoints(line[c])).toStdString()
                                : OneCell(line[c]))
                    << columns[c];
            }
        }
    }
}

} // namespace
} // namespace kvr::test
