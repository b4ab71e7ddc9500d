#include "CalculationRun.h"
#include "InputTable.h"
#include "RunStatus.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <string>

namespace {

using kvr::ButtonChange;
using kvr::CalculationInputs;
using kvr::CalculationState;
using kvr::CalculationStep;

void Set(CalculationInputs &in, int slot, const char *text) {
    in.fields[static_cast<std::size_t>(slot)].text = text;
}

// The main window's defaults as typed, with a name and a decimal comma shown.
CalculationInputs DefaultTexts() {
    CalculationInputs in;
    in.userName = "Іваненко";
    in.separator = ",";
    for (int slot = 0; slot < kvr::kMainWindowSlots; ++slot)
        Set(in, slot, kvr::kDefaultFieldTexts[static_cast<std::size_t>(slot)]);
    return in;
}

struct RunCase {
    const char *name;
    std::function<void(CalculationInputs &)> change;
    CalculationStep reached;
    ButtonChange results;
    ButtonChange graphs;
    std::size_t labels; // written to the results window
    const char *warning;
    const char *fault;
};

class RunCalculationTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunCalculationTest, StopsWhereItMustAndDecidesTheButtons) {
    const RunCase &c = GetParam();
    CalculationInputs in = DefaultTexts();
    c.change(in);
    CalculationState state;
    const kvr::CalculationOutcome out = kvr::RunCalculation(state, in);
    EXPECT_EQ(out.reached, c.reached);
    EXPECT_EQ(out.results, c.results);
    EXPECT_EQ(out.graphs, c.graphs);
    EXPECT_EQ(out.labels.size(), c.labels);
    EXPECT_EQ(out.warning ? out.warning->first : "", c.warning);
    EXPECT_EQ(out.fault.value_or(""), c.fault);
}

const auto kAsIs = [](CalculationInputs &) {};
const auto kFinished = CalculationStep::AllowableWearChecked;

INSTANTIATE_TEST_SUITE_P(
    Presses, RunCalculationTest,
    ::testing::Values(
        RunCase{"Defaults", kAsIs, kFinished, ButtonChange::Enable, ButtonChange::Keep, 17, "", ""},
        RunCase{"EmptyName", [](CalculationInputs &in) { in.userName.clear(); }, kFinished,
                ButtonChange::Disable, ButtonChange::Disable, 16, "", ""},
        RunCase{"UnreadableField",
                [](CalculationInputs &in) { Set(in, kvr::kDiameterSlot, "9x5"); }, kFinished,
                ButtonChange::Disable, ButtonChange::Disable, 17, "", ""},
        RunCase{"NoMaterial", [](CalculationInputs &in) { in.fields[4].selected = false; },
                kFinished, ButtonChange::Disable, ButtonChange::Disable, 17, "", ""},
        RunCase{"SmallAllowableWear",
                [](CalculationInputs &in) { Set(in, kvr::kAllowableFlankWearSlot, "20"); },
                kFinished, ButtonChange::Disable, ButtonChange::Disable, 17,
                "Мінімальне значення допустимого зношування по задній поверхні 28,68 мкм.", ""},
        RunCase{"EqualCumulativeTimes",
                [](CalculationInputs &in) {
                    Set(in, kvr::RunningTimeSlot(2, 2), "0");
                    Set(in, kvr::RunningTimeSlot(2, 3), "0");
                },
                CalculationStep::ButtonsDecided, ButtonChange::Disable, ButtonChange::Disable, 17,
                "", "Invalid floating point operation"},
        RunCase{"OverflowingSpeed",
                [](CalculationInputs &in) {
                    Set(in, kvr::kDiameterSlot, "1e300");
                    Set(in, kvr::SpindleSpeedSlot(1), "1e300");
                },
                CalculationStep::MeasurementsRead, ButtonChange::Disable, ButtonChange::Disable, 1,
                "", "Floating point overflow"}),
    [](const ::testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });

TEST(RunCalculation, ReadsEveryFieldWithPointsAndWritesTheLabels) {
    CalculationState state;
    const kvr::CalculationOutcome out = kvr::RunCalculation(state, DefaultTexts());
    ASSERT_EQ(out.fields.size(), kvr::kInputFields.size());
    EXPECT_EQ(out.fields[6].text, "0.25"); // Edit10
    EXPECT_EQ(state.depth_of_cut, 0.25);
    EXPECT_EQ(out.labels.front().item, kvr::ResultItem{kvr::ResultKind::Student});
    EXPECT_EQ(out.labels.front().text, "Виконав: Іваненко");
    EXPECT_EQ(out.labels[1].item, (kvr::ResultItem{kvr::ResultKind::Speed, 1}));
    EXPECT_EQ(out.labels[1].text, "V = 182,06 м/хв.");
    EXPECT_EQ(out.labels[1].value, "182,06");
    EXPECT_EQ(out.labels.back().text, "[h  ] = 5,10 мкм");
}

// Totals are shown from the extended sum of the three running times, not from a double.
struct TieCase {
    const char *tau[3];
    const char *total;
};

class ExtendedTotalTest : public ::testing::TestWithParam<TieCase> {};

TEST_P(ExtendedTotalTest, ShowsTheExtendedSumRounded) {
    const TieCase &c = GetParam();
    CalculationInputs in = DefaultTexts();
    for (int j = 0; j < 3; ++j)
        Set(in, kvr::RunningTimeSlot(1, j + 1), c.tau[j]);
    CalculationState state;
    const kvr::CalculationOutcome out = kvr::RunCalculation(state, in);
    ASSERT_GE(out.labels.size(), 3u);
    EXPECT_EQ(out.labels[2].item, (kvr::ResultItem{kvr::ResultKind::TotalTime, 1}));
    EXPECT_EQ(out.labels[2].text, c.total);
}

// Sums of the binary values: 14.9500000000000000004 (as a double 14.9499999999999993),
// 20.3499999999999999996 (20.35000000000000142), 10.0499999999999998 (10.0500000000000007),
// 10.9500000000000002 (10.9499999999999993), 11.2499999999999996 (exactly 11.25 as a
// double), and 10.25 exactly, a true tie, rounded away from zero.
INSTANTIATE_TEST_SUITE_P(Ties, ExtendedTotalTest,
                         ::testing::Values(TieCase{{"8.4", "3.65", "2.9"}, "15,00 хв."},
                                           TieCase{{"6.35", "4", "10"}, "20,30 хв."},
                                           TieCase{{"1", "4.6", "4.45"}, "10,00 хв."},
                                           TieCase{{"1", "6.16", "3.79"}, "11,00 хв."},
                                           TieCase{{"1", "6.68", "3.57"}, "11,20 хв."},
                                           TieCase{{"1", "4.47", "4.78"}, "10,30 хв."}));

// Values only shown may lie beyond a double: written in the exponent form, no fault.
TEST(RunCalculation, TotalBeyondDoubleIsShownAndOnlyTheStoredTimeOverflows) {
    CalculationInputs in = DefaultTexts();
    Set(in, kvr::RunningTimeSlot(1, 1), "1e308");
    Set(in, kvr::RunningTimeSlot(1, 2), "1e308");
    CalculationState state;
    const kvr::CalculationOutcome out = kvr::RunCalculation(state, in);
    EXPECT_EQ(out.labels[2].text, "2E308 хв.");
    EXPECT_EQ(out.reached, CalculationStep::ButtonsDecided); // the cumulative time is stored
    EXPECT_EQ(out.fault.value_or(""), "Floating point overflow");
}

TEST(RunCalculation, AllowableWearWarningBeyondDoubleIsWrittenNotRaised) {
    CalculationInputs in = DefaultTexts();
    Set(in, kvr::FlankWearSlot(1, 1),
        "1.7e308"); // cutter 1 wears less and less: intercept 2.4e308 / K
    Set(in, kvr::FlankWearSlot(1, 2), "1e308");
    Set(in, kvr::FlankWearSlot(1, 3), "0.3e308");
    CalculationState state;
    const kvr::CalculationOutcome out = kvr::RunCalculation(state, in);
    EXPECT_FALSE(out.fault);
    ASSERT_TRUE(out.warning);
    EXPECT_EQ(out.warning->first,
              "Мінімальне значення допустимого зношування по задній поверхні 2,4E308 мкм.");
}

class DetermineModelsTest : public ::testing::Test {
protected:
    void SetUp() override { kvr::RunCalculation(state, DefaultTexts()); }
    CalculationState state;
};

TEST_F(DetermineModelsTest, DefaultTimeGivesBothModelsAndAllowsTheGraphs) {
    const kvr::DeterminationOutcome out = kvr::DetermineModels(state, "3", ",");
    EXPECT_EQ(out.reached, kvr::DeterminationStep::LifeModel);
    ASSERT_TRUE(out.wearModel && out.lifeModel);
    EXPECT_EQ(kvr::CoefficientCaption(*out.wearModel), "= 0,110V");
    EXPECT_EQ(out.lifeModel->exponent, "-1,006");
    EXPECT_TRUE(out.graphsAllowed);
}

TEST_F(DetermineModelsTest, OutOfSpanWarnsAndDisallowsTheGraphs) {
    const kvr::DeterminationOutcome out = kvr::DetermineModels(state, "7", ",");
    ASSERT_TRUE(out.warning);
    EXPECT_EQ(out.warning->second, "за межі часу проведення експерименту на 15% (1,7 - 6,9) хв.");
    EXPECT_FALSE(out.wearModel);
    EXPECT_FALSE(out.graphsAllowed);
}

TEST_F(DetermineModelsTest, UnreadableTimeInTheSpanStillDisallowsTheGraphs) {
    state.max_first_time = 0;
    for (int i = 1; i <= kvr::kCutters; ++i)
        state.cumulative_time[i][1] = 0; // the span now starts at 0, where "3,x" is read
    const kvr::DeterminationOutcome out = kvr::DetermineModels(state, "3,x", ",");
    EXPECT_EQ(out.chosenTimeText, "3.x");
    EXPECT_NE(state.input_error_flags[kvr::kChosenTimeSlot], 0);
    EXPECT_FALSE(out.warning);
    EXPECT_FALSE(out.graphsAllowed);
}

TEST_F(DetermineModelsTest, SpanBoundBeyondDoubleIsWrittenNotRaised) {
    state.max_first_time = 8;
    for (int i = 1; i <= kvr::kCutters; ++i) {
        state.cumulative_time[i][1] = 8;
        state.cumulative_time[i][3] = std::numeric_limits<double>::max();
    }
    const kvr::DeterminationOutcome out = kvr::DetermineModels(state, "3", ",");
    EXPECT_FALSE(out.fault);
    ASSERT_TRUE(out.warning);
    EXPECT_EQ(out.warning->second,
              "за межі часу проведення експерименту на 15% (6,8 - 2,0673E308) хв.");
}

TEST_F(DetermineModelsTest, FaultKeepsTheWearModelAndDisallowsTheGraphs) {
    state.initial_wear[2] = state.allowable_dimensional_wear; // tool life 0: lg 0 in the life fit
    const kvr::DeterminationOutcome out = kvr::DetermineModels(state, "3", ",");
    EXPECT_TRUE(out.wearModel);
    EXPECT_FALSE(out.lifeModel);
    EXPECT_EQ(out.fault.value_or(""), "Floating point division by zero");
    EXPECT_FALSE(out.graphsAllowed);
}

} // namespace

// The result buttons follow the run's status alone.
TEST(RunStatus, ButtonsFollowTheRunTheModelsBelongTo) {
    using kvr::AllowedButtons, kvr::RunStatus, kvr::ModelText;
    const ModelText model{"1", "2"};
    const auto status = [&](bool usable, int modelsRun, bool allowed, bool life = true) {
        RunStatus s;
        s.calculation = {2, usable, "Іваненко", {}};
        s.models = {modelsRun, "3", model, life ? std::optional(model) : std::nullopt};
        s.graphsAllowed = allowed;
        return s;
    };
    const std::pair<RunStatus, AllowedButtons> rows[] = {
        {RunStatus{}, {false, false, false, false}},
        {status(true, 0, false), {true, false, true, true}},
        {status(true, 2, true), {true, true, true, true}},
        {status(true, 2, false), {true, false, true, true}},       // out of span, unreadable τ_д
        {status(true, 1, true), {true, false, true, true}},        // fitted on the run before
        {status(true, 2, true, false), {true, false, true, true}}, // the tool-life fit failed
        {status(false, 2, true), {false, false, false, false}},
    };
    for (const auto &[s, expected] : rows)
        EXPECT_EQ(kvr::Buttons(s), expected) << s.models.run << s.graphsAllowed;
}
