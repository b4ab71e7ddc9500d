// Whatever a student presses in whatever order, the windows show, copy and draw one run:
// each step is checked against a fresh calculation of what the last "Розрахувати" read.
#include "DefaultRun.h"

#include "DefaultFieldTexts.h"
#include "GraphData.h"
#include "Graphic.h"
#include "GraphicDefinition.h"
#include "InputControls.h"
#include "InputFields.h"
#include "ResultLabels.h"
#include "ShownValue.h"
#include "TChart.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QTest>

namespace kvr::test {
namespace {

// Types `text` into a control, or presses it when `text` is null.
struct Step {
    const char *window;
    const char *control;
    const char *text = nullptr;
};
struct Sequence {
    const char *name;
    std::vector<Step> steps;
};
void PrintTo(const Sequence &s, std::ostream *os) { *os << s.name; }

const Step kName{"Form_Main", "Edit1", "Іваненко"}, kCalculate{"Form_Main", "Button1"},
    kResults{"Form_Main", "Button2"}, kDetermine{"Form_Result", "Button1"},
    kGraphs{"Form_Main", "Button3"};

Step Type(const char *window, const char *control, const char *text) {
    return {window, control, text};
}

QWidget *Window(const char *name) {
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

class OneRun : public WindowTest, public ::testing::WithParamInterface<Sequence> {
protected:
    void Do(const Step &step) {
        QWidget *control = Find<QWidget>(Window(step.window), step.control);
        const auto is = [&step](const Step &press) {
            return !strcmp(step.window, press.window) && !strcmp(step.control, press.control);
        };
        if (auto *button = qobject_cast<QPushButton *>(control); button && !step.text) {
            const bool wasShown = Form_Graphic->isVisible(), enabled = button->isEnabled();
            if (enabled && is(kCalculate))
                Calculated();
            if (enabled && is(kDetermine))
                Determined();
            AnswerModals([button] { button->click(); });
            if (enabled && is(kGraphs))
                CheckGraphs(wasShown);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->setText(QString::fromUtf8(step.text));
        } else {
            QTest::keyClicks(control, QString::fromUtf8(step.text));
        }
    }
    void Calculated() {
        CalculationInputs in{
            Find<QLineEdit>(Form_Main, "Edit1")->text().toStdString(), {}, DecimalSeparator()};
        for (int slot = 0; slot < kMainWindowSlots; ++slot) {
            QWidget *field = Find<QWidget>(Form_Main, InputControl(slot));
            in.fields[slot].text =
                (qobject_cast<QLineEdit *>(field) ? qobject_cast<QLineEdit *>(field)->text()
                                                  : qobject_cast<QComboBox *>(field)->currentText())
                    .toStdString();
        }
        m_fresh = {};
        m_calculation = RunCalculation(m_fresh, in);
        m_calculationName = in.userName;
        m_determination.reset();
        m_graphs = false;
    }
    void Determined() {
        DeterminationOutcome d =
            DetermineModels(m_fresh, Find<QLineEdit>(Form_Result, "Edit1")->text().toStdString(),
                            DecimalSeparator());
        m_graphs = d.graphsAllowed;
        if (d.wearModel && d.lifeModel)
            m_determination = d;
        if (d.wearModel && d.lifeModel)
            m_chosenTime = QString::fromStdString(d.chosenTimeText).replace('.', Sep());
    }
    bool Usable() const { return m_calculation.results == ButtonChange::Enable; }

    void CheckWindows() {
        for (const LabelText &label : m_calculation.labels)
            if (Usable() || label.item.kind != ResultKind::Student) {
                EXPECT_EQ(Find<QLabel>(Form_Result, ResultLabel(label.item))->text().toStdString(),
                          label.text);
            }
        const auto &d = m_determination;
        for (auto [formula, model, design, place] :
             {std::tuple{kWearFormula, d ? d->wearModel : std::nullopt, "k", QPoint(192, 29)},
              std::tuple{kLifeFormula, d ? d->lifeModel : std::nullopt, "z", QPoint(193, 29)}}) {
            QLabel *exponent = Find<QLabel>(Form_Result, formula.exponent);
            EXPECT_EQ(Find<QLabel>(Form_Result, formula.coefficient)->text().toStdString(),
                      model ? CoefficientCaption(*model) : "= C");
            EXPECT_EQ(exponent->text().toStdString(), model ? model->exponent : design);
            EXPECT_EQ(Find<QLabel>(Form_Result, formula.symbols[0])->isHidden(), bool(model));
            if (!model) {
                EXPECT_EQ(exponent->pos(), place);
            }
        }
        EXPECT_EQ(Find<QPushButton>(Form_Main, "Button2")->isEnabled(), Usable());
        EXPECT_EQ(Find<QPushButton>(Form_Result, "Button1")->isEnabled(), Usable());
        EXPECT_EQ(Find<QPushButton>(Form_Main, "Button3")->isEnabled(), Usable() && m_graphs);
        CheckCopy();
    }
    // The copied table holds the cells the labels show, and nothing once a run is unusable.
    void CheckCopy() {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        Form_Result->findChild<QAction *>(QStringLiteral("CopyResults"))->trigger();
        const QString copy = QGuiApplication::clipboard()->text();
        if (!Usable()) {
            EXPECT_EQ(copy, QStringLiteral("before"));
            return;
        }
        const auto number = [](const char *label) {
            return ShownNumber(Find<QLabel>(Form_Result, label)->text());
        };
        QStringList rows{
            QString::fromUtf8("Виконав\t") +
            QString::fromStdString(m_calculationName).replace('\n', ' ').replace('\t', ' ')};
        for (int i = 0; i < kCutters; ++i)
            rows << QStringList{QString::number(i + 1),           number(kCutterLabels[i].speed),
                                number(kCutterLabels[i].total),   number(kCutterLabels[i].wear[0]),
                                number(kCutterLabels[i].wear[1]), number(kCutterLabels[i].wear[2])}
                        .join('\t');
        if (m_determination)
            rows << QString::fromUtf8("hр = C·V^k\t%1\t%2")
                        .arg(number(kWearFormula.coefficient), number(kWearFormula.exponent))
                 << QString::fromUtf8("Tр = C·V^z\t%1\t%2")
                        .arg(number(kLifeFormula.coefficient), number(kLifeFormula.exponent))
                 << QString::fromUtf8("Тривалість роботи τд, хв.\t") + m_chosenTime;
        for (const QString &row : rows)
            EXPECT_TRUE(copy.split('\n').contains(row)) << row.toStdString() << "\n"
                                                        << copy.toStdString();
        EXPECT_EQ(copy.contains(QString::fromUtf8("hр = C·V^k")), m_determination.has_value());
    }
    // Every series holds the fresh run's points; a window asked for again while shown draws
    // what closing and opening it draws.
    void CheckGraphs(bool wasShown) {
        for (const SeriesDefinition &s : GraphSeriesDefinitions()) {
            const TChartSeries &series = Form_Graphic->SeriesNo(s.number);
            std::vector<PlotPoint> expected = RolePoints(m_fresh, s.role, s.cutter), shown;
            for (int k = 0; k < series.Count(); ++k)
                shown.push_back({series.XValues().ValueAt(k), series.YValues().ValueAt(k)});
            // A series keeps its points in the order of their abscissae.
            std::stable_sort(expected.begin(), expected.end(),
                             [](PlotPoint a, PlotPoint b) { return a.x < b.x; });
            EXPECT_EQ(shown, expected) << "Series" << s.number;
        }
        if (!wasShown)
            return;
        const QImage refilled = Form_Graphic->grab().toImage();
        Form_Graphic->close();
        Find<QPushButton>(Form_Main, "Button3")->click();
        EXPECT_EQ(Form_Graphic->grab().toImage(), refilled);
    }

    CalculationState m_fresh;
    CalculationOutcome m_calculation;
    std::optional<DeterminationOutcome> m_determination;
    bool m_graphs = false;
    std::string m_calculationName;
    QString m_chosenTime;
};

TEST_P(OneRun, EveryStepShowsCopiesAndDrawsOneRun) {
    for (const Step &step : GetParam().steps) {
        Do(step);
        if (!step.text)
            CheckWindows();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, OneRun,
    ::testing::Values(
        Sequence{"NewSpeedRefillsOpenGraphs",
                 {kName, kCalculate, kResults, kDetermine, kGraphs,
                  Type("Form_Graphic", "Chart1", "++"), Type("Form_Main", "Edit12", "1000"),
                  kCalculate, kDetermine, kGraphs}},
        Sequence{"RecalculationRetiresModels",
                 {kName, Type("Form_Main", "Edit3", "1e100"), kCalculate, kResults, kDetermine,
                  Type("Form_Main", "Edit3", "95,5"), kCalculate, kGraphs, kDetermine, kGraphs}},
        Sequence{"UnreadableField",
                 {kName, kCalculate, kResults, kDetermine, Type("Form_Main", "Edit3", "abc"),
                  kCalculate, kDetermine}},
        Sequence{"NameWithBreaks",
                 {Type("Form_Main", "Edit1", "Петренко\nІван\tМТ-21"), kCalculate, kDetermine}},
        Sequence{"AllowableWearWarning",
                 {kName, kCalculate, kDetermine, Type("Form_Main", "Edit2", "20"), kCalculate}},
        Sequence{"OutOfSpanTime",
                 {kName, kCalculate, kDetermine, Type("Form_Result", "Edit1", "7"), kDetermine,
                  kGraphs}},
        Sequence{"FaultInWearLines",
                 {kName, kCalculate, kDetermine, Type("Form_Main", "Edit23", "0"),
                  Type("Form_Main", "Edit24", "0"), kCalculate, kDetermine}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace kvr::test
