#include "TranslatedTexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace kvr {

std::string DecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

namespace {

QString Translated(const char *text) { return QCoreApplication::translate("Results", text); }

struct ProblemText {
    ProblemKind problem;
    const char *words;
};

const ProblemText kProblemTexts[] = {
    {ProblemKind::Empty, QT_TRANSLATE_NOOP("Field", "поле порожнє: впишіть число")},
    {ProblemKind::SpaceInside, QT_TRANSLATE_NOOP("Field", "пробіл усередині числа: напишіть %1")},
    {ProblemKind::SpaceAfter, QT_TRANSLATE_NOOP("Field", "пробіл після числа: зітріть його")},
    {ProblemKind::NotANumber, QT_TRANSLATE_NOOP("Field", "не число")},
    {ProblemKind::TooLarge, QT_TRANSLATE_NOOP("Field", "число завелике для обчислень")},
    {ProblemKind::TwoWays,
     QT_TRANSLATE_NOOP("Field", "число можна прочитати двояко: напишіть %1 або %2")},
    {ProblemKind::NothingChosen, QT_TRANSLATE_NOOP("Field", "нічого не вибрано")},
    {ProblemKind::NoName, QT_TRANSLATE_NOOP("Field", "ім'я не вказано")},
    {ProblemKind::BlankName, QT_TRANSLATE_NOOP("Field", "ім'я лише з пробілів")},
};

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

QString ProblemWords(const FieldProblem &problem) {
    for (const ProblemText &text : kProblemTexts)
        if (text.problem == problem.kind)
            return QString::fromStdString(Filled(
                QCoreApplication::translate("Field", text.words).toStdString(), problem.values));
    return {};
}

QString FaultMessage(const std::string &fault, const std::optional<CauseText> &cause) {
    const QString words = Translated(FaultWords(fault));
    return cause ? words + QLatin1Char(' ') + CauseLine(cause) : words;
}

} // namespace kvr
