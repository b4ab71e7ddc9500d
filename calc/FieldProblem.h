// Why "Розрахувати" or "Визначити параметри" cannot read a field, so that a marked field can
// say so in words as well as in its colour.
#pragma once

#include "InputTable.h"
#include "NumberSyntax.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvr {

enum class ProblemKind {
    None,
    Empty,         // nothing but spaces typed
    SpaceInside,   // "1 200": a space between the digits
    SpaceAfter,    // "95 ": spaces after the number
    NotANumber,    // "nan", "inf", "abc", "1.2.3"
    TooLarge,      // a number beyond a double
    TwoWays,       // "1,200" where a comma groups thousands
    NothingChosen, // a list without a selection
    NoName,        // the name left empty
    BlankName,     // a name of spaces alone
};

// The problem and the values its words name: the number without its spaces, or the two
// readings of a number that reads two ways.
struct FieldProblem {
    ProblemKind kind = ProblemKind::None;
    std::vector<std::string> values;
    bool operator==(const FieldProblem &) const = default;
};

// A field of `kind` typed `text`, read as `reading`; `selected` tells whether a list has
// a selection.
FieldProblem ProblemOf(InputKind kind, std::string_view text, const NumberReading &reading,
                       bool selected = true);

// The user's name: none where it names somebody.
FieldProblem NameProblem(std::string_view name);

// "1,200" read the two ways a comma allows: "1200" and "1.2".
std::vector<std::string> TwoReadings(const std::string &text);

} // namespace kvr
