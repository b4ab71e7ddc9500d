#include "AccessibleNames.h"

#include "Graphic.h"
#include "LabelValue.h"
#include "Main.h"
#include "QuantityTexts.h"
#include "Result.h"
#include "ResultLabels.h"
#include <kvrchart/TChart.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace kvr {

namespace {

struct ControlText {
    const char *control;
    const char *name;
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
    const FormulaControls ResultControls::*formula;
    const char *subject;
};

const FormulaSentence kResultFormulas[] = {
    {&ResultControls::wearModel, QT_TRANSLATE_NOOP("Spoken", "Розмірне зношування hр")},
    {&ResultControls::lifeModel, QT_TRANSLATE_NOOP("Spoken", "Період стійкості Tр")},
};

QString Tr(const char *text) { return QCoreApplication::translate("Spoken", text); }

// Unnamed, a group inside a group would read as the title of the group around it.
void NameGroups(const QWidget &window) {
    for (QGroupBox *group : window.findChildren<QGroupBox *>())
        group->setAccessibleName(group->title());
}

void SpeakResultLabels(const ResultControls &controls) {
    const QString is = Tr(QT_TRANSLATE_NOOP("Spoken", " дорівнює "));
    for (const QuantityValue &value : QuantityValues()) {
        if (value.quantity->source != Source::Result)
            continue;
        const ResultItem item{ResultKind(value.quantity->first), value.cutter, value.interval};
        QLabel *label = controls.Showing(item);
        label->setAccessibleName(Name(value) + is + LabelValue(label->text()));
    }
    for (const FormulaSentence &sentence : kResultFormulas) {
        const FormulaControls &formula = controls.*sentence.formula;
        // Before a determination the coefficient label shows the symbol C itself.
        formula.lead->setAccessibleName(
            Tr(sentence.subject) + is + LabelNumber(formula.coefficient->text()) +
            Tr(QT_TRANSLATE_NOOP("Spoken", ", помножене на V у степені ")) +
            formula.exponent->text());
    }
    // The line is cut short to fit; it is read whole.
    controls.notes->setAccessibleName(controls.notes->toolTip());
}

} // namespace

void NameControls(const TForm_Main &window) {
    NameGroups(window);
    const MainControls &controls = window.Controls();
    controls.studentName->setAccessibleName(SpokenName(ValueOf("name")));
    for (int slot = 0; slot < kMainWindowSlots; ++slot)
        controls.inputs[std::size_t(slot)]->setAccessibleName(SpokenName(TypedValueAt(slot)));
    // The buttons; the fields are named by the table of quantities.
    controls.calculate->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Spoken", "Розрахувати")));
    controls.results->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Spoken", "Результати розрахунків")));
    controls.graphs->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Spoken", "Графіки")));
    controls.help->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Spoken", "Допомога")));
}

void NameControls(TForm_Result &window) {
    NameGroups(window);
    const ResultControls &controls = window.Controls();
    controls.chosenTime->setAccessibleName(SpokenName(ValueOf("chosen_time")));
    controls.determine->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Spoken", "Визначити параметри")));
    SpeakResultLabels(controls);
    QObject::connect(&window, &TForm_Result::LabelsShown, &window,
                     [&controls] { SpeakResultLabels(controls); });
}

void NameControls(const TForm_Graphic &window) {
    NameGroups(window);
    chart::TChart *charts[] = {window.Chart1, window.Chart2, window.Chart3};
    for (int i = 0; i < 3; ++i)
        charts[i]->setAccessibleDescription(Tr(kGraphicDescriptions[i].name));
}

} // namespace kvr
