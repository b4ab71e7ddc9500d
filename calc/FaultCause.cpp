#include "FaultCause.h"

#include "ModelFit.h"
#include "Translatable.h"

#include <charconv>

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

} // namespace

std::optional<CauseText> WearLineFaultCause(const CalculationState &state) {
    for (int i = 1; i <= kCutters; ++i) {
        const auto &t = state.cumulative_time[i];
        if (t[1] != t[2] || t[2] != t[3])
            continue;
        return t[1] == 0
                   ? Cause(QT_TRANSLATE_NOOP("Results", "Тривалості інструмента %1 нульові."),
                           {std::to_string(i)})
                   : Cause(QT_TRANSLATE_NOOP("Results",
                                             "Тривалості інструмента %1 після першої нульові: "
                                             "лінію зношування не визначити."),
                           {std::to_string(i)});
    }
    return std::nullopt;
}

std::optional<CauseText> ModelFaultCause(const CalculationState &state, bool fitting,
                                         std::string_view separator) {
    if (fitting && AllEqual(state.cutting_speed))
        return Cause(
            QT_TRANSLATE_NOOP("Results", "Швидкості різання однакові: моделі не визначити."), {});
    for (int i = 1; i <= kCutters; ++i) {
        if (state.wear_rate[i] > 0)
            continue;
        const auto &h = state.flank_wear[i];
        return Cause(QT_TRANSLATE_NOOP("Results", "Знос інструмента %1 не зростає з часом "
                                                  "(%2; %3; %4): лінію зношування не визначити."),
                     {std::to_string(i), Typed(h[1], separator), Typed(h[2], separator),
                      Typed(h[3], separator)});
    }
    return std::nullopt;
}

} // namespace kvr
