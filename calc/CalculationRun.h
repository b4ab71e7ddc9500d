// The order of the two presses that calculate: "Розрахувати" (RunCalculation) and
// "Визначити параметри" (DetermineModels). Each runs its steps on the record and returns
// what the windows show; the windows only read their fields and show the outcome.
#pragma once

#include "CalculationState.h"
#include "FaultCause.h"
#include "FieldProblem.h"
#include "InputTable.h"
#include "NumberSyntax.h"
#include "PressSteps.h"
#include "ResultTexts.h"
#include "Translatable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

enum class ButtonChange { Keep, Enable, Disable };

// The two lines of the warning window, and their patterns in the source language with
// "%1"… standing for the values, for the interface to translate.
struct WarningText {
    std::string first;
    std::string second;
    const char *firstPattern = "";
    const char *secondPattern = "";
    std::vector<std::string> values;
};

// A result that the results window shows in a label of its own.
enum class ResultKind { Student, Speed, TotalTime, DimensionalWear, AllowableWear };
struct ResultItem {
    ResultKind kind;
    int cutter = 0;   // 1..3 where the kind is per cutter
    int interval = 0; // 1..3 for the dimensional wear
    bool operator==(const ResultItem &) const = default;
};

// A result and its new text, and the value alone: the number without caption or unit, which
// the interface writes between its translated caption and unit.
struct LabelText {
    ResultItem item;
    std::string text;
    std::string value;
    const char *caption = "";
    const char *unit = "";
};

// One field of the main window as the window found it.
struct FieldInput {
    std::string text;
    bool selected = true; // lists only: whether an item is chosen
};

struct CalculationInputs {
    std::string userName;
    std::array<FieldInput, kMainWindowSlots> fields; // by slot
    std::string separator = ".";                     // the locale's, for shown numbers
    // Whether the locale groups thousands with a comma, so that "1,200" may mean 1200.
    bool commaGroupsThousands = false;
};

// A field that was read: the text its control now shows (commas turned into points), and
// why it could not be read. Whether it was readable is in the record's input_error_flags.
struct FieldRead {
    const InputField *field;
    std::string text;
    FieldProblem problem;
};

struct CalculationOutcome {
    CalculationStep reached = CalculationStep::ConditionsRead; // the last step completed
    std::vector<FieldRead> fields;                             // in reading order
    bool nameGiven = false;
    FieldProblem nameProblem;
    std::vector<LabelText> labels; // results window, in writing order
    std::optional<WarningText> warning;
    ButtonChange results = ButtonChange::Keep; // "Результати розрахунків"
    ButtonChange graphs = ButtonChange::Keep;  // "Графіки"
    std::optional<std::string> fault;          // the arithmetic fault that stopped the press
    std::optional<CauseText> faultCause;       // what to fix, where it can be told
};

// "Розрахувати": reads every field into the record, computes, writes the labels and
// decides the result buttons; an arithmetic fault stops it and disables both buttons.
CalculationOutcome RunCalculation(CalculationState &state, const CalculationInputs &inputs);

struct DeterminationOutcome {
    DeterminationStep reached = DeterminationStep::TimeRead;
    std::string chosenTimeText; // what the time's box now shows
    FieldProblem chosenTimeProblem;
    std::optional<ModelText> wearModel;
    std::optional<ModelText> lifeModel;
    std::optional<WarningText> warning;
    bool graphsAllowed = false;
    std::optional<std::string> fault;
    std::optional<CauseText> faultCause;
};

// "Визначити параметри" at the typed running time; an out-of-span time or an arithmetic
// fault disallows the graphs.
DeterminationOutcome DetermineModels(CalculationState &state, std::string_view chosenTime,
                                     std::string_view separator = ".");

// Whether a typed number can be read two ways where a comma groups thousands: one to
// three digits not starting with 0, a comma and three digits ("1,200").
bool AmbiguousThousands(std::string_view text);

// Whether a name holds nothing but spaces, and so names nobody.
bool IsBlank(std::string_view text);

// Commas turned into points: what a numeric field shows once it is read.
std::string WithPoints(std::string text);

// How "Розрахувати" reads a field's typed text: the value as typed (degrees for an angle), or
// the position the field is marked at. A list of names reads as nothing.
NumberReading ReadTypedText(InputKind kind, std::string_view text, bool commaGroupsThousands);

} // namespace kvr
