// "Графіки" only from results that may be used, and values shown beyond a double's range
// written as numbers rather than raised as faults.
#include "UiTestSupport.h"

#include "Main.h"
#include "Result.h"

#include <QLineEdit>
#include <QPushButton>

namespace kvr::test {
namespace {

class UsableResults : public WindowTest {
protected:
    void Type(const std::vector<std::pair<const char *, const char *>> &texts) {
        for (auto [edit, text] : texts)
            Find<QLineEdit>(Form_Main(), edit)->setText(QString::fromUtf8(text));
    }
    QList<ModalCapture> Calculate() {
        return AnswerModals([] { Main().calculate->click(); });
    }
    QList<ModalCapture> Determine(const char *time = "3") {
        Results().chosenTime->setText(QString::fromLatin1(time));
        return AnswerModals([] { Results().determine->click(); });
    }
    bool GraphsEnabled() const { return Main().graphs->isEnabled(); }
};

struct FailedCalculation {
    const char *name;
    std::vector<std::pair<const char *, const char *>> texts;
};

void PrintTo(const FailedCalculation &c, std::ostream *os) { *os << c.name; }

class GraphsAfterAFailedCalculation : public UsableResults,
                                      public ::testing::WithParamInterface<FailedCalculation> {};

// Each failure leaves a determination that would succeed on its own: only the failed
// calculation may keep "Графіки" disabled.
TEST_P(GraphsAfterAFailedCalculation, StayDisabled) {
    Type({{"Edit1", "Student"}});
    Calculate();
    ASSERT_TRUE(Determine().isEmpty());
    ASSERT_TRUE(GraphsEnabled());
    Type(GetParam().texts);
    const QList<ModalCapture> failure = Calculate();
    ASSERT_FALSE(Main().results->isEnabled());
    EXPECT_TRUE(Determine().isEmpty()); // no warning, no fault
    EXPECT_FALSE(GraphsEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GraphsAfterAFailedCalculation,
    ::testing::Values(
        FailedCalculation{"UnreadableField", {{"Edit10", "0,25x"}}},
        FailedCalculation{"EmptyName", {{"Edit1", ""}}},
        // Cutter 1 wears less and less: its intercept lies above [h_р], yet every tool
        // life stays positive.
        FailedCalculation{"AllowableWearTooSmall",
                          {{"Edit19", "43"}, {"Edit20", "40"}, {"Edit21", "33"}, {"Edit2", "30"}}},
        // Cutter 3's times 2, 2, 2 divide by zero; its line stays from the earlier press.
        FailedCalculation{"ArithmeticFault", {{"Edit23", "0"}, {"Edit24", "0"}}}),
    [](const ::testing::TestParamInfo<FailedCalculation> &info) {
        return std::string(info.param.name);
    });

TEST_F(UsableResults, AllowableWearBeyondDoubleIsWarnedWithoutAnErrorBox) {
    Type({{"Edit1", "Student"}, {"Edit19", "1.7e308"}, {"Edit20", "1e308"}, {"Edit21", "0.3e308"}});
    const QList<ModalCapture> modals = Calculate();
    ASSERT_EQ(modals.size(), 1);
    EXPECT_EQ(modals[0].objectName, QStringLiteral("Form_Warning"));
    EXPECT_TRUE(modals[0].texts.contains(
        QString::fromUtf8("Мінімальне значення допустимого зношування по задній поверхні 2") +
        Sep() + QStringLiteral("4E308 мкм.")));
}

TEST_F(UsableResults, SpanBeyondDoubleIsWarnedWithoutAnErrorBox) {
    // Cutter 3 runs 8 minutes, then for as long as a double holds.
    Type({{"Edit1", "Student"},
          {"Edit22", "8"},
          {"Edit23", "1.7976931348623157e308"},
          {"Edit24", "0"}});
    Calculate();
    const QList<ModalCapture> modals = Determine("3");
    ASSERT_EQ(modals.size(), 1);
    EXPECT_EQ(modals[0].objectName, QStringLiteral("Form_Warning"));
    EXPECT_TRUE(modals[0].texts.contains(
        QString::fromUtf8("за межі часу проведення експерименту на 15% (6") + Sep() +
        QStringLiteral("8 - 2") + Sep() + QString::fromUtf8("0673E308) хв.")));
    EXPECT_FALSE(GraphsEnabled());
}

} // namespace
} // namespace kvr::test
