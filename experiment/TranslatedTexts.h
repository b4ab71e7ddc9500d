// The texts of a run in the interface's language: a result label's caption, value and unit,
// the warning window's two lines, and a fault's cause.
#pragma once

#include "CalculationRun.h"

#include <QString>

#include <string>

namespace kvr {

// The decimal separator of the user's locale, for shown numbers.
std::string DecimalSeparator();

QString LabelCaption(const LabelText &label);

struct WarningLines {
    QString first;
    QString second;
};
WarningLines WarningWindowLines(const WarningText &warning);

// The line an error box adds under a fault: what to fix; empty without a known cause.
QString CauseLine(const std::optional<CauseText> &cause);

// Why a marked field could not be read, as its tooltip and a screen reader tell it; empty for
// a field that was read.
QString ProblemWords(const FieldProblem &problem);

// A fault as every message but the error box tells it: in the interface's language, and its
// cause after it.
QString FaultMessage(const std::string &fault, const std::optional<CauseText> &cause);

} // namespace kvr
