#include "CalculationRun.h"

#include "ArithmeticFault.h"
#include "FieldProblem.h"
#include "FormatFixed.h"
#include "ModelFit.h"
#include "NumberSyntax.h"
#include "WearCalculation.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <span>

namespace kvr {

namespace {

WarningText Warning(const char *first, const char *second, std::vector<std::string> values);

// Where a comma may group thousands, "1,200" is read neither way.
bool MarkedAtComma(InputKind kind, std::string_view text, bool commaGroupsThousands) {
    return kind == InputKind::Number && commaGroupsThousands && AmbiguousThousands(text);
}

void ReadField(CalculationState &state, const InputField &field, const FieldInput &input,
               bool commaGroupsThousands, CalculationOutcome &outcome) {
    int &flag = state.input_error_flags[static_cast<std::size_t>(field.slot)];
    const NumberReading reading = ReadTypedText(field.kind, input.text, commaGroupsThousands);
    if (field.kind != InputKind::List) {
        flag = reading.code;
        field.field(state) =
            field.kind == InputKind::AngleList ? DegreesToRadians(reading.value) : reading.value;
    }
    if (!input.selected)
        flag = 1;
    // A field marked at its comma keeps its text.
    const bool points = field.kind == InputKind::Number &&
                        !MarkedAtComma(field.kind, input.text, commaGroupsThousands);
    outcome.fields.push_back({&field, points ? WithPoints(input.text) : input.text,
                              ProblemOf(field.kind, input.text, reading, input.selected)});
}

void ReadFields(CalculationState &state, const CalculationInputs &inputs,
                std::span<const InputField> fields, CalculationOutcome &outcome) {
    for (const InputField &field : fields)
        ReadField(state, field, inputs.fields[static_cast<std::size_t>(field.slot)],
                  inputs.commaGroupsThousands, outcome);
}

// The first number typed so that it reads two ways, which the warning window names.
std::optional<WarningText> AmbiguityWarning(const CalculationInputs &inputs) {
    if (!inputs.commaGroupsThousands)
        return std::nullopt;
    for (const InputField &field : kInputFields) {
        const std::string &text = inputs.fields[static_cast<std::size_t>(field.slot)].text;
        if (field.kind != InputKind::Number || !AmbiguousThousands(text))
            continue;
        const std::vector<std::string> readings = TwoReadings(text);
        return Warning(QT_TRANSLATE_NOOP("Results", "Число «%1» можна прочитати двояко."),
                       QT_TRANSLATE_NOOP("Results", "Напишіть %2 або %3."),
                       {text, readings[0], readings[1]});
    }
    return std::nullopt;
}

LabelText Label(ResultItem item, const char *caption, std::string value, const char *unit) {
    return {item, caption + value + unit, value, caption, unit};
}

// Labels are appended one by one, so that a fault part-way leaves the earlier ones shown.
void WriteCalculationLabels(const CalculationState &state, std::string_view sep,
                            std::vector<LabelText> &labels) {
    using enum ResultKind;
    for (int i = 1; i <= kCutters; ++i) {
        labels.push_back(Label({Speed, i}, "V = ", SpeedText(state, i, sep),
                               QT_TRANSLATE_NOOP("Results", " м/хв.")));
        labels.push_back(Label({TotalTime, i}, "", TotalTimeText(state, i, sep),
                               QT_TRANSLATE_NOOP("Results", " хв.")));
        for (int j = 1; j <= kIntervals; ++j)
            labels.push_back(Label({DimensionalWear, i, j},
                                   "h       = ", DimensionalWearText(state, i, j, sep),
                                   QT_TRANSLATE_NOOP("Results", " мкм")));
    }
    labels.push_back(Label({AllowableWear}, "[h  ] = ", AllowableWearText(state, sep),
                           QT_TRANSLATE_NOOP("Results", " мкм")));
}

void DecideResultButtons(CalculationState &state, CalculationOutcome &outcome) {
    const auto &flags = state.input_error_flags;
    state.input_error_sum = std::accumulate(flags.begin(), flags.begin() + kMainWindowSlots, 0);
    if (state.input_error_sum != 0 || !outcome.nameGiven) {
        outcome.results = ButtonChange::Disable;
        outcome.graphs = ButtonChange::Disable;
    } else {
        outcome.results = ButtonChange::Enable;
    }
}

WarningText Warning(const char *first, const char *second, std::vector<std::string> values) {
    return {Filled(first, values), Filled(second, values), first, second, std::move(values)};
}

WarningText AllowableWearWarning(long double minimum, std::string_view sep) {
    return Warning(QT_TRANSLATE_NOOP("Results",
                                     "Мінімальне значення допустимого зношування по задній "
                                     "поверхні %1 мкм."),
                   "", {FormatFixed(minimum, 5, 2, sep)});
}

WarningText SpanWarning(const CalculationState &state, std::string_view sep) {
    return Warning(
        QT_TRANSLATE_NOOP("Results", "Значення довільного часу оброблення не повинно виходити"),
        QT_TRANSLATE_NOOP("Results", "за межі часу проведення експерименту на 15% (%1 - %2) хв."),
        {FormatFixed(SpanLowerBound(state), 5, 1, sep),
         FormatFixed(SpanUpperBound(state), 5, 1, sep)});
}

ModelText Formula(double coefficient, int coefficientPrecision, int coefficientDecimals,
                  double exponent, std::string_view sep) {
    return {FormatFixed(coefficient, coefficientPrecision, coefficientDecimals, sep),
            FormatFixed(exponent, 5, 3, sep)};
}

} // namespace

bool AmbiguousThousands(std::string_view text) {
    const std::size_t comma = text.find(',');
    const auto digits = [&](std::size_t from, std::size_t count) {
        return std::all_of(text.begin() + from, text.begin() + from + count,
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    return comma >= 1 && comma <= 3 && text.size() == comma + 4 && text[0] != '0' &&
           digits(0, comma) && digits(comma + 1, 3);
}

bool IsBlank(std::string_view text) {
    // ASCII white space and the no-break space (UTF-8 C2 A0), which a name copied from a
    // document may carry; a name of nothing else names nobody.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\xC2\xA0") == 0)
            ++i;
        else if (!std::isspace(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

std::string WithPoints(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

NumberReading ReadTypedText(InputKind kind, std::string_view text, bool commaGroupsThousands) {
    if (kind == InputKind::List)
        return {};
    if (MarkedAtComma(kind, text, commaGroupsThousands))
        return {0, static_cast<int>(text.find(',')) + 1};
    return ReadNumber(kind == InputKind::Number ? WithPoints(std::string(text))
                                                : std::string(text));
}

CalculationOutcome RunCalculation(CalculationState &state, const CalculationInputs &inputs) {
    CalculationOutcome outcome;
    std::fill_n(state.input_error_flags.begin(), kMainWindowSlots, 0);
    state.input_error_sum = 0;
    outcome.nameProblem = NameProblem(inputs.userName);
    outcome.nameGiven = outcome.nameProblem.kind == ProblemKind::None;
    if (outcome.nameGiven)
        outcome.labels.push_back(Label(
            {ResultKind::Student}, QT_TRANSLATE_NOOP("Results", "Виконав: "), inputs.userName, ""));
    const std::span<const InputField> all(kInputFields);
    try {
        ReadFields(state, inputs, all.first(kFieldsBeforeAllowableWear), outcome);
        outcome.reached = CalculationStep::ConditionsRead;
        ComputeAllowableDimensionalWear(state);
        outcome.reached = CalculationStep::AllowableWear;
        ReadFields(state, inputs, all.subspan(kFieldsBeforeAllowableWear), outcome);
        outcome.reached = CalculationStep::MeasurementsRead;
        ComputeSpeedsAndDimensionalWear(state);
        outcome.reached = CalculationStep::SpeedsAndWear;
        WriteCalculationLabels(state, inputs.separator, outcome.labels);
        outcome.reached = CalculationStep::LabelsWritten;
        DecideResultButtons(state, outcome);
        outcome.reached = CalculationStep::ButtonsDecided;
        ComputeWearLines(state);
        outcome.reached = CalculationStep::WearLines;
        if (const std::optional<long double> minimum = CheckAllowableWear(state)) {
            outcome.results = ButtonChange::Disable;
            outcome.graphs = ButtonChange::Disable;
            outcome.warning = AllowableWearWarning(*minimum, inputs.separator);
        }
        outcome.reached = CalculationStep::AllowableWearChecked;
    } catch (const ArithmeticFault &fault) {
        // The wear lines of this press were never completed: nothing may be built on them.
        outcome.results = ButtonChange::Disable;
        outcome.graphs = ButtonChange::Disable;
        outcome.fault = fault.what();
        outcome.faultCause = CalculationFaultCause(state, outcome.reached);
    }
    if (!outcome.warning)
        outcome.warning = AmbiguityWarning(inputs);
    return outcome;
}

DeterminationOutcome DetermineModels(CalculationState &state, std::string_view chosenTime,
                                     std::string_view separator) {
    DeterminationOutcome outcome;
    outcome.chosenTimeText = WithPoints(std::string(chosenTime));
    const NumberReading reading = ReadNumber(outcome.chosenTimeText);
    state.chosen_time = reading.value;
    state.input_error_flags[kChosenTimeSlot] = reading.code;
    outcome.chosenTimeProblem = ProblemOf(InputKind::Number, chosenTime, reading);
    try {
        ComputeTimeSpan(state);
        if (!ChosenTimeInSpan(state)) {
            outcome.warning = SpanWarning(state, separator);
            return outcome;
        }
        outcome.reached = DeterminationStep::SpanChecked;
        ComputeWearAtChosenTime(state);
        ComputeToolLife(state);
        outcome.reached = DeterminationStep::WearAndToolLife;
        FitWearModel(state);
        outcome.wearModel =
            Formula(state.wear_model_coefficient, 5, 3, state.wear_model_exponent, separator);
        outcome.reached = DeterminationStep::WearModel;
        FitLifeModel(state);
        outcome.lifeModel =
            Formula(state.life_model_coefficient, 10, 0, state.life_model_exponent, separator);
        outcome.reached = DeterminationStep::LifeModel;
        outcome.graphsAllowed = state.input_error_flags[kChosenTimeSlot] == 0;
    } catch (const ArithmeticFault &fault) {
        // Graphs of this determination would mix new and old values.
        outcome.graphsAllowed = false;
        outcome.fault = fault.what();
        outcome.faultCause = DeterminationFaultCause(state, outcome.reached, separator);
    }
    return outcome;
}

} // namespace kvr
