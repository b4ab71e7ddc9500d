// Whatever a student presses in whatever order, the windows show, copy and draw one run:
// each press is checked against a fresh calculation of what the last "Розрахувати" read.
#include "DefaultRun.h"

#include "GraphData.h"
#include "Graphic.h"
#include "GraphicDefinition.h"
#include "LabelValue.h"
#include "ReportActions.h"
#include "ResultLabels.h"
#include "TranslatedTexts.h"
#include <kvrchart/TChart.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QTest>

namespace kvr::test {
namespace {

// A sequence of steps: "calculate", "results", "determine", "graphs" press those buttons;
// "Edit12=1000" types into the main window, "R:" into the results window, "G:" keys a chart.
struct Sequence {
    const char *name;
    const char *steps;
};
void PrintTo(const Sequence &s, std::ostream *os) { *os << s.name; }

class OneRun : public WindowTest, public ::testing::WithParamInterface<Sequence> {
protected:
    void Do(const QString &step) {
        const QMap<QString, QPushButton *> presses{{"calculate", Main().calculate},
                                                   {"results", Main().results},
                                                   {"determine", Results().determine},
                                                   {"graphs", Main().graphs}};
        if (QPushButton *button = presses.value(step)) {
            const bool wasShown = Form_Graphic()->isVisible(), enabled = button->isEnabled();
            if (enabled && step == "calculate")
                Calculated();
            if (enabled && step == "determine")
                Determined();
            AnswerModals([button] { button->click(); });
            if (enabled && step == "graphs")
                CheckGraphs(wasShown);
            // An open graphs window follows a determination: redrawn, or emptied with none.
            if (enabled && step == "determine" && Form_Graphic()->isVisible())
                CheckGraphs(false, !m_graphs);
            return CheckWindows();
        }
        m_stale = !step.startsWith("G:") && !step.startsWith("R:") && !m_calculation.fields.empty();
        QWidget *window =
            step.startsWith("R:") ? static_cast<QWidget *>(Form_Result()) : Form_Main();
        const QString control = step.section('=', 0, 0).section(':', -1),
                      text = step.section('=', 1);
        if (step.startsWith("G:"))
            return QTest::keyClicks(Find<QWidget>(Form_Graphic(), qPrintable(control)), text);
        Find<QLineEdit>(window, qPrintable(control))->setText(text);
    }
    void Calculated() {
        CalculationInputs in{Main().studentName->text().toStdString(), {}, DecimalSeparator()};
        for (int slot = 0; slot < kMainWindowSlots; ++slot) {
            QWidget *field = Main().inputs[std::size_t(slot)];
            const auto *list = qobject_cast<QComboBox *>(field);
            in.fields[std::size_t(slot)].text =
                (list ? list->currentText() : qobject_cast<QLineEdit *>(field)->text())
                    .toStdString();
        }
        m_fresh = {};
        m_calculation = RunCalculation(m_fresh, in);
        m_stale = false;
        m_name = QString::fromStdString(in.userName).replace('\n', ' ').replace('\t', ' ');
        m_wear.reset();
        m_life.reset();
        m_graphs = false;
    }
    void Determined() {
        const DeterminationOutcome d = DetermineModels(
            m_fresh, Results().chosenTime->text().toStdString(), DecimalSeparator());
        m_graphs = d.graphsAllowed;
        // A fault in the second fit leaves the first one's model shown.
        m_wear = d.wearModel ? d.wearModel : m_wear;
        m_life = d.lifeModel ? d.lifeModel : m_life;
    }
    bool Usable() const { return m_calculation.results == ButtonChange::Enable; }
    QString Shown(const char *label) const { return Find<QLabel>(Form_Result(), label)->text(); }

    void CheckWindows() {
        for (const LabelText &label : m_calculation.labels)
            EXPECT_TRUE((!Usable() && label.item.kind == ResultKind::Student) ||
                        Shown(ResultLabel(label.item)).toStdString() == label.text)
                << label.text;
        for (auto [formula, model, design, place] :
             {std::tuple{kWearFormula, m_wear, "k", QPoint(192, 29)},
              std::tuple{kLifeFormula, m_life, "z", QPoint(193, 29)}}) {
            EXPECT_EQ(Shown(formula.coefficient).toStdString(),
                      model ? CoefficientCaption(*model) : "= C");
            EXPECT_EQ(Shown(formula.exponent).toStdString(), model ? model->exponent : design);
            EXPECT_EQ(Find<QLabel>(Form_Result(), formula.symbols[0])->isHidden(), bool(model));
            EXPECT_TRUE(model || Find<QLabel>(Form_Result(), formula.exponent)->pos() == place);
        }
        EXPECT_EQ(Main().results->isEnabled(), Usable());
        EXPECT_EQ(Results().determine->isEnabled(), Usable());
        EXPECT_EQ(Main().graphs->isEnabled(), Usable() && m_graphs);
        for (const QAction *action : CurrentWindows->TakeAwayActions())
            EXPECT_EQ(action->isEnabled(), Usable()) << action->text().toStdString();
        CheckCopy();
    }
    // The copied table holds the cells the labels show, and nothing once a run is unusable or
    // its fields are edited, unless asked for.
    void CheckCopy() {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        const QList<ModalCapture> asked = AnswerModals(
            [] { Form_Result()->findChild<QAction *>(QStringLiteral("CopyResults"))->trigger(); });
        EXPECT_EQ(asked.size(), Usable() && m_stale);
        const QStringList copy = QGuiApplication::clipboard()->text().split('\n');
        QStringList rows{QString::fromUtf8("Виконав\t") + m_name};
        const auto number = [this](const char *label) { return LabelNumber(Shown(label)); };
        for (int i = 0; i < kCutters; ++i) {
            const CutterLabels &labels = kCutterLabels[i];
            rows << QStringList{QString::number(i + 1), number(labels.speed),
                                number(labels.total),   number(labels.wear[0]),
                                number(labels.wear[1]), number(labels.wear[2])}
                        .join('\t');
        }
        for (auto [formula, text, model] : {std::tuple{kWearFormula, "hр = C·V^k\t", m_wear},
                                            {kLifeFormula, "Tр = C·V^z\t", m_life}})
            if (model)
                rows << QString::fromUtf8(text) + number(formula.coefficient) + '\t' +
                            Shown(formula.exponent);
        EXPECT_EQ(copy.filter(QString::fromUtf8("= C·V^")).size(),
                  m_stale ? 0 : bool(m_wear) + bool(m_life));
        for (const QString &row : Usable() && !m_stale ? rows : QStringList{"before"})
            EXPECT_TRUE(copy.contains(row)) << row.toStdString();
    }
    // Every series holds the fresh run's points; a window asked for again while shown draws
    // what closing and opening it draws.
    void CheckGraphs(bool wasShown, bool emptied = false) {
        for (const SeriesDefinition &s : GraphSeriesDefinitions()) {
            const chart::TChartSeries &series = Form_Graphic()->SeriesNo(s.number);
            std::vector<PlotPoint> shown,
                expected = emptied ? shown : RolePoints(m_fresh, s.role, s.cutter);
            for (int k = 0; k < series.Count(); ++k)
                shown.push_back({series.XValues().ValueAt(k), series.YValues().ValueAt(k)});
            // A series keeps its points in the order of their abscissae.
            std::stable_sort(expected.begin(), expected.end(),
                             [](auto a, auto b) { return a.x < b.x; });
            EXPECT_EQ(shown, expected) << "Series" << s.number;
        }
        if (!wasShown)
            return;
        const QImage refilled = Form_Graphic()->grab().toImage();
        Form_Graphic()->close();
        Main().graphs->click();
        EXPECT_EQ(Form_Graphic()->grab().toImage(), refilled);
    }

    CalculationState m_fresh;
    CalculationOutcome m_calculation;
    std::optional<ModelText> m_wear, m_life;
    bool m_graphs = false;
    bool m_stale = false; // a field edited since the last "Розрахувати"
    QString m_name;
};

TEST_P(OneRun, EveryPressShowsCopiesAndDrawsOneRun) {
    CheckWindows();
    for (const QString &step : QString::fromUtf8(GetParam().steps).split(' '))
        Do(step);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, OneRun,
    ::testing::Values(
        Sequence{"NewSpeedRefillsOpenGraphs", "Edit1=Іваненко calculate results determine graphs "
                                              "G:Chart1=++ Edit12=1000 calculate determine graphs"},
        Sequence{"RecalculationRetiresModels",
                 "Edit1=Іваненко Edit3=1e100 calculate results determine "
                 "Edit3=95,5 calculate graphs determine graphs"},
        Sequence{"UnreadableField",
                 "Edit1=Іваненко calculate results determine Edit3=abc calculate determine"},
        Sequence{"NameWithBreaks", "Edit1=Петренко\nІван\tМТ-21 calculate determine"},
        Sequence{"AllowableWearWarning", "Edit1=Іваненко calculate determine Edit2=20 calculate"},
        Sequence{"OutOfSpanTime",
                 "Edit1=Іваненко calculate determine R:Edit1=7 determine R:Edit1=3x "
                 "determine graphs"},
        Sequence{"FaultInTheToolLifeFitAfterAGoodRun",
                 "Edit1=Іваненко calculate results determine Edit25=26 Edit27=15 calculate "
                 "determine"},
        Sequence{"FaultInWearLines",
                 "Edit1=Іваненко calculate determine Edit23=0 Edit24=0 calculate determine"},
        Sequence{"FaultEmptiesOpenGraphs", "Edit1=Іваненко calculate results determine graphs "
                                           "Edit25=26 Edit27=15 calculate determine"},
        Sequence{"EditedFieldsAskBeforeTheCopy",
                 "Edit1=Іваненко calculate results determine Edit3=96 results graphs"},
        Sequence{"EqualSpeedsFitNoModel", "Edit1=Іваненко calculate determine graphs Edit12=185 "
                                          "Edit13=185 calculate determine graphs"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace kvr::test
