#include "TranslatedTexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace kvr {

std::string DecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

namespace {

QString Translated(const char *text) { return QCoreApplication::translate("Results", text); }

QString Line(const char *pattern, const std::vector<std::string> &values) {
    return QString::fromStdString(Filled(Translated(pattern).toStdString(), values));
}

} // namespace

QString LabelCaption(const LabelText &label) {
    return Translated(label.caption) + QString::fromStdString(label.value) + Translated(label.unit);
}

WarningLines WarningWindowLines(const WarningText &warning) {
    return {Line(warning.firstPattern, warning.values),
            Line(warning.secondPattern, warning.values)};
}

QString CauseLine(const std::optional<CauseText> &cause) {
    return cause ? Line(cause->pattern, cause->values) : QString();
}

} // namespace kvr
