#include "AccessibleNames.h"

#include "InputControls.h"
#include "QuantityTexts.h"
#include "ResultLabels.h"
#include "ShownValue.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <span>
#include <string_view>

namespace kvr {

namespace {

struct ControlText {
    const char *control;
    const char *name;
};

// The buttons; the fields are named by the table of quantities.
const ControlText kMainButtons[] = {
    {"Button1", QT_TRANSLATE_NOOP("Spoken", "Розрахувати")},
    {"Button2", QT_TRANSLATE_NOOP("Spoken", "Результати розрахунків")},
    {"Button3", QT_TRANSLATE_NOOP("Spoken", "Графіки")},
    {"BitBtn1", QT_TRANSLATE_NOOP("Spoken", "Допомога")},
};

const ControlText kResultButtons[] = {
    {"Button1", QT_TRANSLATE_NOOP("Spoken", "Визначити параметри")},
};

const ControlText kGraphicDescriptions[] = {
    {"Chart1",
     QT_TRANSLATE_NOOP(
         "Spoken",
         "Графік розмірного зношування hр, мкм (вертикальна вісь) від часу експлуатації "
         "інструмента τ, хв. (горизонтальна вісь): виміряне зношування трьох інструментів "
         "точками і лінії зношування V1 (червона), V2 (синя), V3 (зелена)")},
    {"Chart2",
     QT_TRANSLATE_NOOP(
         "Spoken", "Графік розмірного зношування hр, мкм (вертикальна вісь) від швидкості різання "
                   "V, м/хв. (горизонтальна вісь): зношування трьох інструментів у вибраний час "
                   "точками і крива моделі зношування")},
    {"Chart3",
     QT_TRANSLATE_NOOP(
         "Spoken", "Графік періоду стійкості T, хв. (вертикальна вісь) від швидкості різання V, "
                   "м/хв. (горизонтальна вісь): період стійкості трьох інструментів точками і "
                   "крива моделі стійкості")},
};

// A formula spread over several labels, read from its lead label as one sentence.
struct FormulaSentence {
    const char *lead;
    const char *coefficient; // "= C" until a determination writes "= <number>V"
    const char *exponent;
    const char *subject;
};

const FormulaSentence kResultFormulas[] = {
    {kWearFormula.lead, kWearFormula.coefficient, kWearFormula.exponent,
     QT_TRANSLATE_NOOP("Spoken", "Розмірне зношування hр")},
    {kLifeFormula.lead, kLifeFormula.coefficient, kLifeFormula.exponent,
     QT_TRANSLATE_NOOP("Spoken", "Період стійкості Tр")},
};

template <typename T> T *Child(const QWidget *window, const char *name) {
    return window->findChild<T *>(QString::fromLatin1(name));
}

QString Tr(const char *text) { return QCoreApplication::translate("Spoken", text); }

void ApplyNames(QWidget *window, std::span<const ControlText> names) {
    for (const ControlText &entry : names)
        if (auto *control = Child<QWidget>(window, entry.control))
            control->setAccessibleName(Tr(entry.name));
}

// Each field of the main window by its quantity's name and unit.
void NameFields(QWidget *window) {
    Child<QWidget>(window, "Edit1")->setAccessibleName(SpokenName(ValueOf("name")));
    for (int slot = 0; slot < kMainWindowSlots; ++slot)
        Child<QWidget>(window, InputControl(slot))
            ->setAccessibleName(SpokenName(TypedValueAt(slot)));
}

void ApplyDescriptions(QWidget *window, std::span<const ControlText> descriptions) {
    for (const ControlText &entry : descriptions)
        if (auto *control = Child<QWidget>(window, entry.control))
            control->setAccessibleDescription(Tr(entry.name));
}

void SpeakResultLabels(const QWidget *window) {
    const QString is = Tr(QT_TRANSLATE_NOOP("Spoken", " дорівнює "));
    for (const QuantityValue &value : QuantityValues()) {
        if (value.quantity->source != Source::Result)
            continue;
        const ResultItem item{ResultKind(value.quantity->first), value.cutter, value.interval};
        if (auto *label = Child<QLabel>(window, ResultLabel(item)))
            label->setAccessibleName(Name(value) + is + ShownValue(label->text()));
    }
    for (const FormulaSentence &formula : kResultFormulas) {
        auto *lead = Child<QLabel>(window, formula.lead);
        auto *coefficient = Child<QLabel>(window, formula.coefficient);
        auto *exponent = Child<QLabel>(window, formula.exponent);
        if (!lead || !coefficient || !exponent)
            continue;
        // Before a determination the coefficient label shows the symbol C itself.
        lead->setAccessibleName(Tr(formula.subject) + is + ShownNumber(coefficient->text()) +
                                Tr(QT_TRANSLATE_NOOP("Spoken", ", помножене на V у степені ")) +
                                exponent->text());
    }
}

} // namespace

void NameControls(QWidget *window) {
    // Unnamed, a group inside a group would read as the title of the group around it.
    for (QGroupBox *group : window->findChildren<QGroupBox *>())
        group->setAccessibleName(group->title());
    const QString name = window->objectName();
    if (name == QLatin1String("Form_Main")) {
        NameFields(window);
        ApplyNames(window, kMainButtons);
    } else if (name == QLatin1String("Form_Result")) {
        Child<QWidget>(window, "Edit1")->setAccessibleName(SpokenName(ValueOf("chosen_time")));
        ApplyNames(window, kResultButtons);
        SpeakResultLabels(window);
    } else if (name == QLatin1String("Form_Graphic")) {
        ApplyDescriptions(window, kGraphicDescriptions);
    }
}

void UpdateSpokenSentences(const QLabel *label) {
    const QWidget *window = label->window();
    if (window->objectName() == QLatin1String("Form_Result"))
        SpeakResultLabels(window);
}

} // namespace kvr
