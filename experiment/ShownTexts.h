// The texts of a run in the interface's language: a result label's caption, value and unit,
// and the warning window's two lines.
#pragma once

#include "CalculationRun.h"

#include <QString>

namespace kvr {

QString LabelCaption(const LabelText &label);

struct WarningLines {
    QString first;
    QString second;
};
WarningLines ShownWarning(const WarningText &warning);

} // namespace kvr
