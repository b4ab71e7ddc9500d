#include "LabelValue.h"

namespace kvr {

QString LabelValue(const QString &labelText) {
    const qsizetype equals = labelText.lastIndexOf(QLatin1String("= "));
    return (equals < 0 ? labelText : labelText.mid(equals + 2)).trimmed();
}

QString LabelNumber(const QString &labelText) {
    QString number = LabelValue(labelText).section(QLatin1Char(' '), 0, 0);
    // A model's coefficient is followed directly by the V of the formula.
    if (number.endsWith(QLatin1Char('V')))
        number.chop(1);
    return number;
}

} // namespace kvr
