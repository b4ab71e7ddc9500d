// "Розрахувати" and "Визначити параметри" driven through the real windows.
#include "Graphic.h"
#include "InputFields.h"
#include "Main.h"
#include "Result.h"
#include "ResultLabels.h"
#include "Titles.h"
#include "UiTestSupport.h"
#include "Warning.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>

namespace kvr::test {
namespace {

// Replaces the locale-neutral "," of an expected text by the locale's separator.
QString Shown(const char *text) { return QString::fromUtf8(text).replace(QLatin1Char(','), Sep()); }

class CalculationFlow : public WindowTest {
protected:
    QList<ModalCapture> Calculate(const QString &name = QStringLiteral("Іваненко")) {
        Main().studentName->setText(name);
        return AnswerModals([] { Main().calculate->click(); });
    }
    QList<ModalCapture> Determine(const QString &time) {
        Results().chosenTime->setText(time);
        return AnswerModals([] { Results().determine->click(); });
    }
    static QLabel *Label(const char *name) { return Find<QLabel>(Form_Result(), name); }
    QString ResultText(const char *label) const { return Label(label)->text(); }
    // The models' coefficients and exponents: "= C|k|= C|z" before any determination.
    QString Formulas() const {
        QStringList texts;
        for (const char *label : {kWearFormula.coefficient, kWearFormula.exponent,
                                  kLifeFormula.coefficient, kLifeFormula.exponent})
            texts << ResultText(label);
        return texts.join('|');
    }
};

TEST_F(CalculationFlow, DefaultsGiveTheWorkedExampleAndNothingToASecondSet) {
    WindowSet other; // its own experiment: a run in either leaves the other alone
    EXPECT_TRUE(Calculate().isEmpty());
    const std::pair<const char *, const char *> expected[] = {
        {kCutterLabels[0].speed, "V = 182,06 м/хв."},
        {kCutterLabels[0].total, "3,00 хв."},
        {kCutterLabels[0].wear[0], "h       = 3,36 мкм"},
        {kCutterLabels[0].wear[1], "h       = 4,08 мкм"},
        {kCutterLabels[0].wear[2], "h       = 4,38 мкм"},
        {kCutterLabels[1].speed, "V = 113,41 м/хв."},
        {kCutterLabels[1].total, "4,50 хв."},
        {kCutterLabels[1].wear[0], "h       = 2,14 мкм"},
        {kCutterLabels[1].wear[1], "h       = 2,65 мкм"},
        {kCutterLabels[1].wear[2], "h       = 3,57 мкм"},
        {kCutterLabels[2].speed, "V = 55,21 м/хв."},
        {kCutterLabels[2].total, "6,00 хв."},
        {kCutterLabels[2].wear[0], "h       = 1,53 мкм"},
        {kCutterLabels[2].wear[1], "h       = 2,34 мкм"},
        {kCutterLabels[2].wear[2], "h       = 2,65 мкм"},
        {kAllowableWearLabel, "[h  ] = 5,10 мкм"},
        {kStudentLabel, "Виконав: Іваненко"}};
    for (auto [label, text] : expected)
        EXPECT_EQ(ResultText(label), Shown(text)) << label;
    EXPECT_TRUE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
    EXPECT_TRUE(Main().nameAccepted->isVisibleTo(Form_Main()));
    EXPECT_EQ(Edit(SlotOf("depth_of_cut"))->text(), QStringLiteral("0.25"));
    EXPECT_EQ(Edit(SlotOf("feed"))->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Edit(RunningTimeSlot(2, 1))->text(), QStringLiteral("1.5"));
    for (QLineEdit *edit : Form_Main()->findChildren<QLineEdit *>())
        EXPECT_FALSE(IsMarked(edit)) << edit->objectName().toStdString();
    EXPECT_EQ(other.TheExperiment().State(), CalculationState{});
    EXPECT_FALSE(other.Main().Controls().results->isEnabled());
    EXPECT_EQ(other.Result().Controls().cutters[0].speed->text(), QStringLiteral("V = "));
    qobject_cast<QLineEdit *>(other.Main().Controls().inputs[kDiameterSlot])->setText("20");
    other.Main().Controls().calculate->click();
    EXPECT_EQ(other.TheExperiment().State().diameter, 20.0);
    EXPECT_EQ(State().diameter, 95.0);
    EXPECT_EQ(ResultText(kCutterLabels[0].speed), Shown("V = 182,06 м/хв."));
}

TEST_F(CalculationFlow, EmptyNameMarksTheBoxAndKeepsTheStudentLine) {
    Calculate(QStringLiteral("Перший"));
    Calculate(QString());
    EXPECT_TRUE(IsMarked(Main().studentName));
    EXPECT_FALSE(Main().nameAccepted->isVisibleTo(Form_Main()));
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
    EXPECT_EQ(ResultText(kStudentLabel), QString::fromUtf8("Виконав: Перший"));
    EXPECT_EQ(ResultText(kCutterLabels[0].speed),
              Shown("V = 182,06 м/хв.")); // labels are still written
}

// A name too long for its line stops short of "Перевірив:" and is read whole in its tooltip.
TEST_F(CalculationFlow, ALongNameStopsShortOfTheCheckerWithTheWholeNameInItsTooltip) {
    const auto shown = [] {
        const QLabel *student = Label(kStudentLabel);
        return (student->text() + '|' + student->toolTip() + '|' +
                QString::number(Label(kInstructorLabel)->x() - student->geometry().right()))
            .toStdString();
    };
    Calculate(QString::fromUtf8("Костянтиненко-Вишневецька Олександра Володимирівна, гр. ТМ-21"));
    EXPECT_EQ(shown(), "Виконав: Костянтиненко-Вишневецька Олек…|Костянтиненко-Вишневецька "
                       "Олександра Володимирівна, гр. ТМ-21|11");
    Calculate();
    EXPECT_EQ(shown(), "Виконав: Іваненко||156");
}

TEST_F(CalculationFlow, BlankNameIsNoName) {
    const QString before = ResultText(kStudentLabel);
    const QString words = QString::fromUtf8("ім'я лише з пробілів");
    for (const char *blank : {"     ", " \t\xC2\xA0 "}) {
        Calculate(QString::fromUtf8(blank));
        EXPECT_TRUE(IsMarked(Main().studentName));
        EXPECT_EQ(Main().studentName->toolTip() + '|' + Main().studentName->accessibleDescription(),
                  words + '|' + words);
        EXPECT_FALSE(Main().results->isEnabled());
        EXPECT_EQ(ResultText(kStudentLabel), before);
    }
    Calculate(QString::fromUtf8("\xC2\xA0Я"));
    EXPECT_FALSE(IsMarked(Main().studentName));
    EXPECT_EQ(Main().studentName->toolTip() + Main().studentName->accessibleDescription(), "");
}

TEST_F(CalculationFlow, HostileTextsMarkTheFieldAndNeverShowInfOrNan) {
    const char *const notANumber = "не число";
    const std::pair<std::string, const char *> hostile[] = {
        {"", "поле порожнє: впишіть число"},
        {"   ", "поле порожнє: впишіть число"},
        {"+", notANumber},
        {"-", notANumber},
        {"1,2,3", notANumber},
        {"1e400", "число завелике для обчислень"},
        {"-1e400", "число завелике для обчислень"},
        {std::string(5000, '7'), "число завелике для обчислень"},
        {"0x10", notANumber},
        {"95 ", "пробіл після числа: зітріть його"},
        {"1 200", "пробіл усередині числа: напишіть 1200"},
        {"- 2,5", "пробіл усередині числа: напишіть -2.5"},
        {"١٢", notANumber},
        {"５", notANumber},
        {"abc", notANumber},
        {"1e", notANumber},
        {"e", notANumber},
        {"..", notANumber},
        {"--1", notANumber},
        {"1e+", notANumber},
        {"∞", notANumber},
        {"nan", notANumber},
        {"inf", notANumber}};
    const int marked[] = {kDiameterSlot, kAllowableFlankWearSlot, RunningTimeSlot(1, 2),
                          FlankWearSlot(1, 2)};
    for (const auto &[text, words] : hostile) {
        for (int slot : marked) {
            Edit(slot)->setText(QString::fromStdString(text));
            const QList<ModalCapture> modals = Calculate();
            EXPECT_TRUE(IsMarked(Edit(slot))) << slot << " '" << text << "'";
            // The colour is not the only sign: the tooltip and a screen reader say why.
            EXPECT_EQ(Edit(slot)->toolTip() + '|' + Edit(slot)->accessibleDescription(),
                      QString::fromUtf8(words) + '|' + QString::fromUtf8(words))
                << slot << " '" << text << "'";
            EXPECT_FALSE(Main().results->isEnabled()) << slot << " '" << text << "'";
            for (QLabel *label : Form_Result()->findChildren<QLabel *>()) {
                EXPECT_FALSE(label->text().contains(QLatin1String("inf"), Qt::CaseInsensitive));
                EXPECT_FALSE(label->text().contains(QLatin1String("nan"), Qt::CaseInsensitive));
            }
            Edit(slot)->setText(QString::fromUtf8(kDefaultFieldTexts[std::size_t(slot)]));
        }
    }
    // Everything mended: the next press recovers, and the fields say nothing any more.
    EXPECT_TRUE(Calculate().isEmpty());
    EXPECT_TRUE(Main().results->isEnabled());
    for (int slot : marked)
        EXPECT_EQ(Edit(slot)->toolTip() + Edit(slot)->accessibleDescription(), QString()) << slot;
}

TEST_F(CalculationFlow, CommasBecomePointsAndAreReadBack) {
    // Where a comma groups thousands (C, English), "1,200" reads two ways: it stays as typed,
    // marked, and the warning says how to write either; elsewhere it is 1.2 as before.
    const bool groups = QLocale::system().groupSeparator() == QLatin1String(",");
    const std::tuple<const char *, const char *, bool, const char *> cases[] = {
        {"1,2,3", "1.2.3", true, ""},
        {" 95", " 95", false, ""},
        {"95 ", "95 ", true, ""},
        {"2e1", "2e1", false, ""},
        {"-0,5", "-0.5", false, ""},
        {"5.", "5.", false, ""},
        {"1,200", "1.200", false, "1200|1.2"},
        {"999,500", "999.500", false, "999500|999.5"},
        {"1,000", "1.000", false, "1000|1"},
        {"0,250", "0.250", false, ""},
        {"1,2000", "1.2000", false, ""},
        {"1200,500", "1200.500", false, ""},
        {"-1,200", "-1.200", false, ""}};
    for (auto [typed, shown, marked, ambiguous] : cases) {
        Edit(kDiameterSlot)->setText(QString::fromUtf8(typed));
        const QList<ModalCapture> modals = Calculate();
        const bool asked = groups && *ambiguous;
        EXPECT_EQ(Edit(kDiameterSlot)->text(), QString::fromUtf8(asked ? typed : shown)) << typed;
        EXPECT_EQ(IsMarked(Edit(kDiameterSlot)), marked || asked) << typed;
        const QStringList ways = QString::fromUtf8(ambiguous).split('|');
        EXPECT_EQ(
            (modals.isEmpty() ? QString() : modals[0].texts.mid(0, 2).join('|')).toStdString(),
            asked ? QString::fromUtf8("Число «%1» можна прочитати двояко.|Напишіть %2 або %3.")
                        .arg(typed, ways[0], ways[1])
                        .toStdString()
                  : "")
            << typed;
    }
    Edit(kDiameterSlot)->setText(QStringLiteral("2e1"));
    Calculate();
    EXPECT_EQ(State().diameter, 20.0);
}

TEST_F(CalculationFlow, SmallAllowableWearWarnsAndDisablesBoth) {
    Edit(kAllowableFlankWearSlot)->setText(QStringLiteral("20"));
    const QList<ModalCapture> modals = Calculate();
    ASSERT_EQ(modals.size(), 1);
    EXPECT_EQ(modals[0].objectName, QStringLiteral("Form_Warning"));
    EXPECT_TRUE(modals[0].texts.contains(
        Shown("Мінімальне значення допустимого зношування по задній поверхні 28,68 мкм.")));
    EXPECT_TRUE(Form_Warning()->Controls().second->text().isEmpty());
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
    EXPECT_EQ(ResultText(kAllowableWearLabel), Shown("[h  ] = 2,04 мкм"));
}

TEST_F(CalculationFlow, FixingAFieldReenablesResultsButNotGraphs) {
    Calculate();
    Results().determine->click();
    ASSERT_TRUE(Main().graphs->isEnabled());
    Edit(kAllowableFlankWearSlot)->setText(QStringLiteral("50x"));
    Calculate();
    EXPECT_TRUE(IsMarked(Edit(kAllowableFlankWearSlot)));
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
    Edit(kAllowableFlankWearSlot)->setText(QStringLiteral("50"));
    Calculate();
    EXPECT_FALSE(IsMarked(Edit(kAllowableFlankWearSlot)));
    EXPECT_TRUE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
}

TEST_F(CalculationFlow, DisablingTheButtonsLeavesOpenWindowsOpen) {
    Calculate();
    Results().determine->click();
    Main().results->click();
    Main().graphs->click();
    Calculate(QString());
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_TRUE(Form_Result()->isVisible());
    EXPECT_TRUE(Form_Graphic()->isVisible());
}

TEST_F(CalculationFlow, EqualCumulativeTimesStopThePressAndDisableBothButtons) {
    // Cutter 1's first two moments coincide, its line still fits: the cause is cutter 2.
    Edit(RunningTimeSlot(1, 2))->setText(QStringLiteral("0"));
    Calculate();
    Results().determine->click();
    ASSERT_TRUE(Main().graphs->isEnabled());
    const double firstLineRate = State().wear_rate[1];
    Edit(RunningTimeSlot(2, 2))->setText(QStringLiteral("0")); // cutter 2: times 1.5, 1.5, 1.5
    Edit(RunningTimeSlot(2, 3))->setText(QStringLiteral("0"));
    const QList<ModalCapture> modals = Calculate();
    ASSERT_EQ(modals.size(), 1);
    EXPECT_EQ(modals[0].objectName + '|' + modals[0].windowTitle,
              "FaultBox|" + QString::fromUtf8(kApplicationTitle));
    EXPECT_EQ(modals[0].texts, QStringList{QString::fromUtf8(
                                   "Invalid floating point operation.\nТривалості інструмента 2 "
                                   "після першої нульові: лінію зношування не визначити.")});
    EXPECT_EQ(ResultText(kCutterLabels[1].total), Shown("1,50 хв.")); // step C ran before the fault
    EXPECT_EQ(State().wear_rate[1], firstLineRate);                   // cutter 1's line was stored
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
}

TEST_F(CalculationFlow, OverflowingSpeedIsAFaultNotInf) {
    Edit(kDiameterSlot)->setText(QStringLiteral("1e300"));
    Edit(SpindleSpeedSlot(1))->setText(QStringLiteral("1e300"));
    const QList<ModalCapture> modals = Calculate();
    ASSERT_EQ(modals.size(), 1);
    EXPECT_EQ(modals[0].texts, QStringList{QString::fromUtf8(
                                   "Floating point overflow.\nШвидкість різання інструмента 1 "
                                   "не вміщується в число: зменште D або n1.")});
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_TRUE(std::isfinite(State().cutting_speed[1]));
}

class Determination : public CalculationFlow {
protected:
    void SetUp() override {
        CalculationFlow::SetUp();
        Calculate();
    }
};

TEST_F(Determination, DefaultTimeShowsBothModels) {
    EXPECT_TRUE(Determine(QStringLiteral("3")).isEmpty());
    EXPECT_EQ(Formulas(), Shown("= 0,110V|0,701|= 845V|-1,006"));
    EXPECT_TRUE(Main().graphs->isEnabled());
    for (const FormulaLabels &formula : {kWearFormula, kLifeFormula}) {
        for (const char *hidden : formula.symbols)
            EXPECT_FALSE(Label(hidden)->isVisibleTo(Form_Result())) << hidden;
        const QLabel *coefficient = Label(formula.coefficient);
        EXPECT_EQ(Label(formula.exponent)->x(), coefficient->x() + coefficient->width() + 1);
    }
}

TEST_F(Determination, SpanBoundsAreAcceptedAndBeyondThemWarned) {
    for (const char *accepted : {"1.7", "6.9", "1,7"}) {
        EXPECT_TRUE(Determine(QString::fromLatin1(accepted)).isEmpty()) << accepted;
        EXPECT_TRUE(Main().graphs->isEnabled()) << accepted;
    }
    const QString accepted = Formulas();
    ASSERT_NE(accepted.section('|', 2, 2), QStringLiteral("= C")); // the formulas show numbers now
    for (const char *rejected : {"1.6", "7"}) {
        const QList<ModalCapture> modals = Determine(QString::fromLatin1(rejected));
        ASSERT_EQ(modals.size(), 1) << rejected;
        EXPECT_EQ(Form_Warning()->Controls().first->text(),
                  QString::fromUtf8("Значення довільного часу оброблення не повинно виходити"));
        EXPECT_EQ(Form_Warning()->Controls().second->text(),
                  Shown("за межі часу проведення експерименту на 15% (1,7 - 6,9) хв."));
        EXPECT_FALSE(Main().graphs->isEnabled()) << rejected;
    }
    // The models of the last accepted press stay shown.
    EXPECT_EQ(Results().chosenTime->text(), QStringLiteral("7"));
    EXPECT_EQ(ResultText(kLifeFormula.coefficient).left(2), QStringLiteral("= "));
    EXPECT_EQ(Formulas(), accepted);
}

TEST_F(Determination, CommaTimeIsRewrittenAndUsed) {
    Determine(QStringLiteral("2,5"));
    EXPECT_EQ(Results().chosenTime->text(), QStringLiteral("2.5"));
    EXPECT_EQ(State().chosen_time, 2.5);
}

TEST_F(Determination, UnreadableTimeMarksTheBoxAndLeavesGraphsDisabled) {
    Determine(QStringLiteral("3"));
    ASSERT_TRUE(Main().graphs->isEnabled());
    Determine(QStringLiteral("3x")); // read as 0: below the span
    EXPECT_TRUE(IsMarked(Results().chosenTime));
    EXPECT_EQ(Results().chosenTime->accessibleDescription(), QString::fromUtf8("не число"));
    EXPECT_FALSE(Main().graphs->isEnabled());
}

TEST_F(Determination, SecondPressRewritesNumbersWithSymbolsStillHidden) {
    Determine(QStringLiteral("3"));
    const QString first = ResultText(kWearFormula.coefficient);
    Determine(QStringLiteral("5"));
    EXPECT_NE(ResultText(kWearFormula.coefficient), first);
    for (const FormulaLabels &formula : {kWearFormula, kLifeFormula})
        for (const char *hidden : formula.symbols)
            EXPECT_FALSE(Label(hidden)->isVisibleTo(Form_Result())) << hidden;
}

// Each fault says what to fix under its own text, and leaves "Графіки" disabled; the notes
// line says it too, with whatever else no lathe gives (program's numbers in locale's sign).
TEST_F(Determination, FaultsNameTheirCauseAndDisableGraphs) {
    struct Case {
        std::vector<std::pair<int, const char *>> edits; // by slot
        const char *box;
        const char *notes;
    };
    const Case cases[] = {
        {{{FlankWearSlot(1, 1), "33"}, {FlankWearSlot(1, 2), "33"}, {FlankWearSlot(1, 3), "33"}},
         "Floating point division by zero.\nЗнос інструмента 1 не зростає з часом (33; 33; 33): "
         "лінію зношування не визначити.",
         "Зверніть увагу: лінія зношування інструмента 1 не зростає: h = 0,000·τ + 3,363; Знос "
         "інструмента 1 не зростає з часом (33; 33; 33): лінію зношування не визначити"},
        {{{FlankWearSlot(2, 1), "35"}, {FlankWearSlot(2, 2), "26.5"}, {FlankWearSlot(2, 3), "21"}},
         "Invalid floating point operation.\nЗнос інструмента 2 не зростає з часом (35; 26,5; "
         "21): лінію зношування не визначити.",
         "Зверніть увагу: зношування інструмента 2 спадає: hз21 = 35, hз22 = 26.5; зношування "
         "інструмента 2 спадає: hз22 = 26.5, hз23 = 21; Знос інструмента 2 не зростає з часом "
         "(35; 26,5; 21): лінію зношування не визначити"},
        // Exactly 0/0: rounding leaves a denominator of about 1e-18 and an exponent of 0,000.
        {{{SpindleSpeedSlot(1), "610"}, {SpindleSpeedSlot(2), "610"}, {SpindleSpeedSlot(3), "610"}},
         "Invalid floating point operation.\nШвидкості різання однакові: задайте різні n1, n2, "
         "n3, інакше моделі не визначити.",
         "Зверніть увагу: n1 = n2 = n3: однакові частоти обертання; Швидкості різання однакові: "
         "задайте різні n1, n2, n3, інакше моделі не визначити"},
        // Speeds of zero are equal too, but it is the diameter that is to be mended.
        {{{kDiameterSlot, "0"}},
         "Floating point division by zero.\nДіаметр заготовки D = 0 не більший за нуль: "
         "швидкості різання мають бути додатними.",
         "Зверніть увагу: D = 0: має бути більше нуля; Діаметр заготовки D = 0 не більший за нуль: "
         "швидкості різання мають бути додатними"},
        {{{kDiameterSlot, "-0"}},
         "Floating point division by zero.\nДіаметр заготовки D = -0 не більший за нуль: "
         "швидкості різання мають бути додатними.",
         "Зверніть увагу: D = -0: має бути більше нуля; Діаметр заготовки D = -0 не більший за "
         "нуль: швидкості різання мають бути додатними"},
        {{{kDiameterSlot, "-95"}},
         "Invalid floating point operation.\nДіаметр заготовки D = -95 не більший за нуль: "
         "швидкості різання мають бути додатними.",
         "Зверніть увагу: D = -95: має бути більше нуля; Діаметр заготовки D = -95 не більший за "
         "нуль: швидкості різання мають бути додатними"},
        {{{SpindleSpeedSlot(2), "-380"}},
         "Invalid floating point operation.\nЧастота обертання n2 = -380 не більша за нуль: "
         "швидкість різання має бути додатною.",
         "Зверніть увагу: n2 = -380: має бути більше нуля; Частота обертання n2 = -380 не більша "
         "за нуль: швидкість різання має бути додатною"},
        {{{SpindleSpeedSlot(1), "1e-300"},
          {SpindleSpeedSlot(2), "2e-300"},
          {SpindleSpeedSlot(3), "3e-300"}},
         "Floating point overflow.\nШвидкості різання замалі для моделі: збільште D або n1, n2, "
         "n3.",
         "Зверніть увагу: n1 = 1e-300 об./хв.: поза межами 10–4000; n2 = 2e-300 об./хв.: поза "
         "межами 10–4000; n3 = 3e-300 об./хв.: поза межами 10–4000; k = -0,767 ≤ 0: зношування "
         "мало б зростати зі швидкістю; Швидкості різання замалі для моделі: збільште D або n1, "
         "n2, n3"},
        // "Розрахувати" stops at the speed itself.
        {{{kDiameterSlot, "1e308"}},
         "Floating point overflow.\nШвидкість різання інструмента 1 не вміщується в число: "
         "зменште D або n1.",
         "Зверніть увагу: D = 1e308 мм: поза межами 5–500; Швидкість різання інструмента 1 не "
         "вміщується в число: зменште D або n1"},
        {{{kDiameterSlot, "1e300"},
          {SpindleSpeedSlot(1), "1e300"},
          {SpindleSpeedSlot(2), "1e300"},
          {SpindleSpeedSlot(3), "1e299"}},
         "Floating point overflow.\nШвидкість різання інструмента 1 не вміщується в число: "
         "зменште D або n1.",
         "Зверніть увагу: D = 1e300 мм: поза межами 5–500; n1 = 1e300 об./хв.: поза межами "
         "10–4000; n2 = 1e300 об./хв.: поза межами 10–4000; n3 = 1e299 об./хв.: поза межами "
         "10–4000; n1 = n2: однакові частоти обертання; Швидкість різання інструмента 1 не "
         "вміщується в число: зменште D або n1"},
        // Data that no lathe gives: shown as it is, the notes say so.
        {{{SpindleSpeedSlot(1), "1.2"}},
         "",
         "Зверніть увагу: n1 = 1.2 об./хв.: поза межами 10–4000; k = -0,114 ≤ 0: зношування мало б "
         "зростати зі швидкістю; z = 0,156 ≥ 0: стійкість мала б спадати зі швидкістю"},
    };
    for (const Case &c : cases) {
        for (const auto &[slot, text] : c.edits)
            Edit(slot)->setText(QString::fromUtf8(text));
        QList<ModalCapture> modals = Calculate();
        modals += Determine(QStringLiteral("3"));
        EXPECT_EQ((modals.isEmpty() ? QString() : modals[0].texts.join('|')).toStdString(),
                  QString::fromUtf8(c.box)
                      .replace(QRegularExpression(QStringLiteral("(\\d),(\\d)")),
                               QStringLiteral("\\1") + Sep() + QStringLiteral("\\2"))
                      .toStdString());
        EXPECT_EQ(Main().graphs->isEnabled(), !*c.box);
        EXPECT_EQ(Results().notes->accessibleName().toStdString(),
                  QString::fromUtf8(c.notes)
                      .replace(QRegularExpression("(\\d),(\\d)"), "\\1" + Sep() + "\\2")
                      .toStdString());
        for (const auto &[slot, text] : c.edits)
            Edit(slot)->setText(QString::fromUtf8(kDefaultFieldTexts[std::size_t(slot)]));
    }
}

TEST_F(Determination, TenfoldSpeedsGiveExactModels) {
    // V = 10, 100, 1000 m/min; a = 0.1, 1, 10; b = 0; [h_р] = 100; τ_д = 10.
    Forge([](CalculationState &s) { // span 4.25 .. 11.5 minutes
        s.cutting_speed = {{10, 100, 1000}};
        s.wear_rate = {{0.1, 1, 10}};
        s.initial_wear = {{0, 0, 0}};
        s.allowable_dimensional_wear = 100;
        s.cumulative_time[1] = s.cumulative_time[2] = s.cumulative_time[3] = {{5, 8, 10}};
    });
    EXPECT_TRUE(Determine(QStringLiteral("10")).isEmpty());
    EXPECT_EQ(Formulas(), Shown("= 0,100V|1,000|= 10000V|-1,000"));
}

} // namespace
} // namespace kvr::test
