#include "FaultCause.h"

#include "ArithmeticFault.h"
#include "ModelFit.h"
#include "Translatable.h"
#include "WearCalculation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kvr {

namespace {

CauseText Cause(const char *pattern, std::vector<std::string> values) {
    return {Filled(pattern, values), pattern, std::move(values)};
}

// The shortest text that reads back as the value, as a student would have typed it.
std::string Typed(double value, std::string_view separator) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

template <class Step> bool Faults(Step step) {
    try {
        step();
        return false;
    } catch (const ArithmeticFault &) {
        return true;
    }
}

// The first cutter whose `value` faults or does not fit a double.
template <class Value>
std::optional<int> FirstFaulting(const CalculationState &state, Value value) {
    for (int i = 1; i <= kCutters; ++i)
        if (Faults([&] { StoreDouble(value(state, i)); }))
            return i;
    return std::nullopt;
}

std::optional<CauseText> WearLineCause(const CalculationState &state) {
    CalculationState trial = state;
    for (int i = 1; i <= kCutters; ++i) {
        if (!Faults([&] { ComputeWearLine(trial, i); }))
            continue;
        const auto &t = trial.cumulative_time[i];
        if (t[1] == t[2] && t[2] == t[3])
            return t[1] == 0
                       ? Cause(QT_TRANSLATE_NOOP("Results", "Тривалості інструмента %1 нульові."),
                               {std::to_string(i)})
                       : Cause(QT_TRANSLATE_NOOP("Results",
                                                 "Тривалості інструмента %1 після першої "
                                                 "нульові: лінію зношування не визначити."),
                               {std::to_string(i)});
        return Cause(QT_TRANSLATE_NOOP("Results",
                                       "Лінія зношування інструмента %1 не вміщується в число: "
                                       "перевірте його тривалості τ і знос hз."),
                     {std::to_string(i)});
    }
    return std::nullopt;
}

std::optional<CauseText> NotGrowing(const CalculationState &state, int cutter,
                                    std::string_view separator) {
    const auto &h = state.flank_wear[cutter];
    return Cause(QT_TRANSLATE_NOOP("Results", "Знос інструмента %1 не зростає з часом "
                                              "(%2; %3; %4): лінію зношування не визначити."),
                 {std::to_string(cutter), Typed(h[1], separator), Typed(h[2], separator),
                  Typed(h[3], separator)});
}

// A logarithm of the model needs every speed above zero; the typed field that fails it.
std::optional<CauseText> SpeedNotPositive(const CalculationState &state,
                                          std::string_view separator) {
    for (int i = 1; i <= kCutters; ++i) {
        if (state.cutting_speed[i] > 0)
            continue;
        if (!(state.diameter > 0))
            return Cause(QT_TRANSLATE_NOOP("Results",
                                           "Діаметр заготовки D = %1 не більший за нуль: "
                                           "швидкості різання мають бути додатними."),
                         {Typed(state.diameter, separator)});
        if (!(state.spindle_speed[i] > 0))
            return Cause(QT_TRANSLATE_NOOP("Results",
                                           "Частота обертання n%1 = %2 не більша за нуль: "
                                           "швидкість різання має бути додатною."),
                         {std::to_string(i), Typed(state.spindle_speed[i], separator)});
        return Cause(QT_TRANSLATE_NOOP("Results", "Швидкість різання інструмента %1 менша за "
                                                  "найменше число: збільште D або n%1."),
                     {std::to_string(i)});
    }
    return std::nullopt;
}

double MeanLog(const PerCutter &x) {
    return (std::log10(x[1]) + std::log10(x[2]) + std::log10(x[3])) / kCutters;
}

// A model beyond a number: the speeds are to blame where their logarithms lie further
// from zero than those of the values fitted against them.
CauseText ModelBeyondNumbers(const CalculationState &state, const PerCutter &fitted,
                             const char *fittedCause, std::string_view separator) {
    const double speeds = MeanLog(state.cutting_speed);
    if (std::fabs(speeds) < std::fabs(MeanLog(fitted)))
        return Cause(fittedCause, {Typed(state.chosen_time, separator)});
    return speeds > 0 ? Cause(QT_TRANSLATE_NOOP("Results", "Швидкості різання завеликі для моделі: "
                                                           "зменште D або n1, n2, n3."),
                              {})
                      : Cause(QT_TRANSLATE_NOOP("Results", "Швидкості різання замалі для моделі: "
                                                           "збільште D або n1, n2, n3."),
                              {});
}

std::optional<CauseText> WearModelCause(const CalculationState &state, std::string_view separator) {
    for (int i = 1; i <= kCutters; ++i)
        if (!(state.wear_at_chosen_time[i] > 0))
            return state.wear_rate[i] > 0
                       ? Cause(QT_TRANSLATE_NOOP("Results",
                                                 "Знос інструмента %1 за τд = %2 хв. не більший "
                                                 "за нуль: візьміть більший τд."),
                               {std::to_string(i), Typed(state.chosen_time, separator)})
                       : NotGrowing(state, i, separator);
    return ModelBeyondNumbers(state, state.wear_at_chosen_time,
                              QT_TRANSLATE_NOOP("Results",
                                                "Знос інструментів за τд = %1 хв. завеликий або "
                                                "замалий для моделі: перевірте hз і τд."),
                              separator);
}

std::optional<CauseText> LifeModelCause(const CalculationState &state, std::string_view separator) {
    for (int i = 1; i <= kCutters; ++i) {
        if (state.wear_rate[i] <= 0)
            return NotGrowing(state, i, separator);
        if (!(state.tool_life[i] > 0))
            return Cause(QT_TRANSLATE_NOOP("Results",
                                           "Стійкість інструмента %1 не більша за нуль: його "
                                           "початковий знос сягає допустимого; збільште [hз]."),
                         {std::to_string(i)});
    }
    return ModelBeyondNumbers(state, state.tool_life,
                              QT_TRANSLATE_NOOP("Results",
                                                "Стійкість інструментів завелика або замала для "
                                                "моделі: перевірте [hз], τ і hз."),
                              separator);
}

// The conditions' step: the angles give no divisor, or the allowable wear overflows.
std::optional<CauseText> AllowableWearCause(const CalculationState &state) {
    long double factor = 0;
    if (Faults([&] { factor = WearConversionFactor(state); }) || factor == 0)
        return Cause(QT_TRANSLATE_NOOP("Results", "Кути φ, φ1, α, γ не дають розмірного "
                                                  "зношування: виберіть інші кути."),
                     {});
    return Cause(
        QT_TRANSLATE_NOOP("Results", "Допустимий знос [hз] не вміщується в число: зменште [hз]."),
        {});
}

// The speeds' step, in its order: the speeds first, then each cutter's dimensional wear.
std::optional<CauseText> SpeedOrWearCause(const CalculationState &state) {
    if (const std::optional<int> i = FirstFaulting(state, CuttingSpeed))
        return Cause(QT_TRANSLATE_NOOP("Results", "Швидкість різання інструмента %1 не "
                                                  "вміщується в число: зменште D або n%1."),
                     {std::to_string(*i)});
    const long double factor = WearConversionFactor(state);
    const auto wear = [factor](const CalculationState &s, int i) {
        long double largest = 0;
        for (int j = 1; j <= kIntervals; ++j)
            largest = std::max(largest, std::fabs(DimensionalWear(s, i, j, factor)));
        return largest;
    };
    if (const std::optional<int> i = FirstFaulting(state, wear))
        return Cause(QT_TRANSLATE_NOOP("Results", "Розмірне зношування інструмента %1 не "
                                                  "вміщується в число: зменште його знос hз."),
                     {std::to_string(*i)});
    return std::nullopt;
}

// The wear at τд of every cutter comes before any tool life.
std::optional<CauseText> WearOrLifeCause(const CalculationState &state,
                                         std::string_view separator) {
    if (const std::optional<int> i = FirstFaulting(state, WearAtChosenTime))
        return Cause(QT_TRANSLATE_NOOP("Results", "Знос інструмента %1 за τд = %2 хв. не "
                                                  "вміщується в число: візьміть менший τд."),
                     {std::to_string(*i), Typed(state.chosen_time, separator)});
    const std::optional<int> i = FirstFaulting(state, ToolLife);
    if (!i)
        return std::nullopt;
    if (state.wear_rate[*i] <= 0)
        return NotGrowing(state, *i, separator);
    return Cause(QT_TRANSLATE_NOOP("Results", "Стійкість інструмента %1 не вміщується в число: "
                                              "його знос майже не зростає; перевірте τ і hз."),
                 {std::to_string(*i)});
}

} // namespace

std::optional<CauseText> CalculationFaultCause(const CalculationState &state,
                                               CalculationStep reached) {
    switch (reached) {
    case CalculationStep::ConditionsRead:
        return AllowableWearCause(state);
    case CalculationStep::MeasurementsRead:
        return SpeedOrWearCause(state);
    case CalculationStep::ButtonsDecided:
        return WearLineCause(state);
    default:
        return std::nullopt;
    }
}

std::optional<CauseText> DeterminationFaultCause(const CalculationState &state,
                                                 DeterminationStep reached,
                                                 std::string_view separator) {
    if (reached == DeterminationStep::SpanChecked)
        return WearOrLifeCause(state, separator);
    if (reached < DeterminationStep::WearAndToolLife)
        return std::nullopt;
    if (std::optional<CauseText> cause = SpeedNotPositive(state, separator))
        return cause;
    if (AllEqual(state.cutting_speed))
        return Cause(QT_TRANSLATE_NOOP("Results", "Швидкості різання однакові: задайте різні "
                                                  "n1, n2, n3, інакше моделі не визначити."),
                     {});
    return reached == DeterminationStep::WearAndToolLife ? WearModelCause(state, separator)
                                                         : LifeModelCause(state, separator);
}

const char *FaultWords(std::string_view fault) {
    if (fault == kDivisionByZero)
        return QT_TRANSLATE_NOOP("Results", "Ділення на нуль під час обчислень.");
    if (fault == kOverflow)
        return QT_TRANSLATE_NOOP("Results", "Переповнення під час обчислень.");
    return QT_TRANSLATE_NOOP("Results", "Недопустима операція з дійсними числами.");
}

} // namespace kvr
