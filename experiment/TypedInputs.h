// What "Розрахувати" reads, given the texts the main window's fields show: the one rule for
// the windows and for a run without them.
#pragma once

#include "CalculationRun.h"
#include "ExperimentFile.h"

#include <string>

namespace kvr {

// A list counts as chosen when its text is one of its items: a list with nothing chosen
// shows an empty text, which no list holds. Numbers are shown with `separator`.
// Whether the locale writes "1,200" for twelve hundred, so that such a text reads neither way.
bool CommaGroupsThousands();
// The decimal sign this program's windows record with what they type: "." where the locale
// groups thousands with a comma, "," otherwise.
std::string WindowDecimalSign();
// Whether texts are read as the window that typed them read them, "1,200" refused.
bool CommaGroupsThousands(const ExperimentTexts &texts);

CalculationInputs TypedInputs(const ExperimentTexts &texts, std::string separator);
// The texts that "Розрахувати" read, as a file would hold them (no τд).
ExperimentTexts TextsOf(const CalculationInputs &inputs);

} // namespace kvr
