// Each of the 25 number fields of the main window reaches its own slot and its own field
// of the record: a field wired to the wrong slot or field fails here.
#include "UiTestSupport.h"

#include "InputFields.h"
#include "Main.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest-spi.h>

namespace kvr::test {
namespace {

// The record's members, written apart from the program's table of inputs.
double Diameter(const CalculationState &s) { return s.diameter; }
double Depth(const CalculationState &s) { return s.depth_of_cut; }
double Feed(const CalculationState &s) { return s.feed; }
double AllowableWear(const CalculationState &s) { return s.allowable_flank_wear; }
template <int I> double Speed(const CalculationState &s) { return s.spindle_speed[I]; }
template <int I, int J> double Time(const CalculationState &s) { return s.running_time[I][J]; }
template <int I, int J> double Wear(const CalculationState &s) { return s.flank_wear[I][J]; }

struct Wiring {
    const char *edit;
    int slot;
    double (*field)(const CalculationState &);
};

const Wiring kWiring[] = {
    {"Edit3", 5, Diameter},      {"Edit10", 6, Depth},       {"Edit11", 7, Feed},
    {"Edit12", 8, Speed<1>},     {"Edit13", 9, Speed<2>},    {"Edit14", 10, Speed<3>},
    {"Edit4", 11, Time<1, 1>},   {"Edit5", 12, Time<1, 2>},  {"Edit6", 13, Time<1, 3>},
    {"Edit7", 14, Time<2, 1>},   {"Edit9", 15, Time<2, 2>},  {"Edit15", 16, Time<2, 3>},
    {"Edit22", 17, Time<3, 1>},  {"Edit23", 18, Time<3, 2>}, {"Edit24", 19, Time<3, 3>},
    {"Edit19", 20, Wear<1, 1>},  {"Edit20", 21, Wear<1, 2>}, {"Edit21", 22, Wear<1, 3>},
    {"Edit16", 23, Wear<2, 1>},  {"Edit17", 24, Wear<2, 2>}, {"Edit18", 25, Wear<2, 3>},
    {"Edit25", 26, Wear<3, 1>},  {"Edit26", 27, Wear<3, 2>}, {"Edit27", 28, Wear<3, 3>},
    {"Edit2", 29, AllowableWear}};
static_assert(std::size(kWiring) == 25);

double FieldOf(const Wiring &w) { return w.field(State()); }

class FieldWiring : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Main().studentName->setText(QStringLiteral("Student"));
    }
    // Every number field gets a value of its own: 2.5, 3.5, ... in table order.
    static QString DistinctValue(std::size_t row) { return QString::number(2.5 + double(row)); }
    void FillDistinct() {
        for (std::size_t k = 0; k < std::size(kWiring); ++k)
            Find<QLineEdit>(Form_Main(), kWiring[k].edit)->setText(DistinctValue(k));
    }
    void Calculate() {
        AnswerModals([] { Main().calculate->click(); });
    }
};

TEST_F(FieldWiring, EachFieldIsReadIntoItsOwnMember) {
    FillDistinct();
    Calculate();
    for (std::size_t k = 0; k < std::size(kWiring); ++k)
        EXPECT_EQ(FieldOf(kWiring[k]), 2.5 + double(k)) << kWiring[k].edit;
}

TEST_F(FieldWiring, BadTextInOneFieldMarksOnlyItsSlotAndItsBox) {
    for (const Wiring &bad : kWiring) {
        FillDistinct();
        Find<QLineEdit>(Form_Main(), bad.edit)->setText(QStringLiteral("1x"));
        Calculate();
        for (const Wiring &w : kWiring) {
            const bool isBad = &w == &bad;
            EXPECT_EQ(State().input_error_flags[std::size_t(w.slot)], isBad ? 2 : 0)
                << "bad " << bad.edit << ", slot of " << w.edit;
            EXPECT_EQ(IsMarked(Find<QLineEdit>(Form_Main(), w.edit)), isBad)
                << "bad " << bad.edit << ", box " << w.edit;
        }
        EXPECT_EQ(State().input_error_sum, 2) << bad.edit;
        EXPECT_EQ(FieldOf(bad), 0.0) << bad.edit;
        EXPECT_FALSE(Main().results->isEnabled()) << bad.edit;
    }
}

// The helper that answers modal windows must not wait for ever on one that stays up.
class StubbornDialog : public QDialog {
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

TEST(AnswerModals, AModalWindowThatWillNotCloseFailsTheTest) {
    StubbornDialog dialog;
    dialog.setObjectName(QStringLiteral("Stubborn"));
    EXPECT_NONFATAL_FAILURE(
        AnswerModals([&dialog] { dialog.exec(); }, std::chrono::milliseconds(50)),
        "Stubborn did not close within 50 ms");
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace kvr::test
