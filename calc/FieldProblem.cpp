#include "FieldProblem.h"

#include "CalculationRun.h"

namespace kvr {

namespace {

// The spaces a number may be grouped with: ASCII, no-break, narrow no-break and thin.
constexpr std::string_view kSpaces[] = {" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};

std::size_t SpaceAt(std::string_view text, std::size_t at) {
    for (std::string_view space : kSpaces)
        if (text.substr(at, space.size()) == space)
            return space.size();
    return 0;
}

std::string WithoutSpaces(std::string_view text) {
    std::string kept;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t space = SpaceAt(text, at);
        if (space == 0)
            kept += text[at];
        at += space == 0 ? 1 : space;
    }
    return kept;
}

bool StartsNumber(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-'; }

} // namespace

FieldProblem ProblemOf(InputKind kind, std::string_view text, const NumberReading &reading,
                       bool selected) {
    if (!selected)
        return {ProblemKind::NothingChosen, {}};
    if (reading.code == 0 || kind == InputKind::List)
        return {};
    const std::string kept = WithoutSpaces(text);
    if (kept.empty())
        return {ProblemKind::Empty, {}};
    // Everything before the rejected character is ASCII: its position is its byte index.
    const std::size_t at = static_cast<std::size_t>(reading.code - 1);
    if (at >= text.size())
        return {ProblemKind::NotANumber, {}};
    if (kind == InputKind::Number && text[at] == ',' && AmbiguousThousands(text))
        return {ProblemKind::TwoWays, TwoReadings(std::string(text))};
    if (SpaceAt(text, at) != 0)
        return WithoutSpaces(text.substr(at)).empty()
                   ? FieldProblem{ProblemKind::SpaceAfter, {}}
                   : FieldProblem{ProblemKind::SpaceInside, {WithPoints(kept)}};
    // A number a double cannot hold is rejected at its first character, which starts it.
    if (text.find_first_not_of(' ') == at && StartsNumber(text[at]))
        return {ProblemKind::TooLarge, {}};
    return {ProblemKind::NotANumber, {}};
}

FieldProblem NameProblem(std::string_view name) {
    if (name.empty())
        return {ProblemKind::NoName, {}};
    return IsBlank(name) ? FieldProblem{ProblemKind::BlankName, {}} : FieldProblem{};
}

std::vector<std::string> TwoReadings(const std::string &text) {
    const std::size_t comma = text.find(',');
    std::string decimal = WithPoints(text);
    decimal.erase(decimal.find_last_not_of('0') + 1);
    if (decimal.back() == '.')
        decimal.pop_back();
    return {text.substr(0, comma) + text.substr(comma + 1), decimal};
}

} // namespace kvr
