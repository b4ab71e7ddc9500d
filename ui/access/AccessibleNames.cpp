#include "AccessibleNames.h"

#include "AccessibleGroups.h"
#include "ChartReadout.h"
#include "Graphic.h"
#include "Help.h"
#include "LabelValue.h"
#include "Main.h"
#include "QuantityTexts.h"
#include "Result.h"
#include "ResultLabels.h"
#include <kvrchart/TChart.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace kvr {

namespace {

// Each chart by its title and axes; its description starts with how its series look.
struct ChartText {
    const char *name;
    const char *legend;
};

const ChartText kChartTexts[] = {
    {QT_TRANSLATE_NOOP("Spoken", "Графік розмірного зношування hр, мкм (вертикальна вісь) від "
                                 "часу експлуатації інструмента τ, хв. (горизонтальна вісь)"),
     QT_TRANSLATE_NOOP("Spoken", "Виміряне зношування трьох інструментів точками і лінії "
                                 "зношування V1 (червона), V2 (синя), V3 (зелена)")},
    {QT_TRANSLATE_NOOP("Spoken", "Графік розмірного зношування hр, мкм (вертикальна вісь) від "
                                 "швидкості різання V, м/хв. (горизонтальна вісь)"),
     QT_TRANSLATE_NOOP("Spoken", "Зношування трьох інструментів у вибраний час точками і крива "
                                 "моделі зношування")},
    {QT_TRANSLATE_NOOP("Spoken", "Графік періоду стійкості T, хв. (вертикальна вісь) від "
                                 "швидкості різання V, м/хв. (горизонтальна вісь)"),
     QT_TRANSLATE_NOOP("Spoken", "Період стійкості трьох інструментів точками і крива моделі "
                                 "стійкості")},
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

// A label's lines read as sentences of their own.
QString Sentences(const QString &shown) {
    QStringList lines = shown.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(QStringLiteral(". "));
}

// The fields' captions are read in the fields' names: a label beside a field in its group
// would only say a fragment of one ("D =", "мм", "°"). The other labels are sentences.
void SpeakLabelsBesideNoField(const QWidget &window) {
    for (QLabel *label : window.findChildren<QLabel *>()) {
        const QWidget *group = label->parentWidget();
        if (group->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly) ||
            group->findChild<QComboBox *>(QString(), Qt::FindDirectChildrenOnly))
            LeaveOutOfAccessibleTree(*label);
        else if (!label->text().isEmpty())
            label->setAccessibleName(Sentences(label->text()));
    }
}

// The help as one reads it: its lines joined into paragraphs, each indented line starting
// one, and a word broken over two lines whole again.
QString Paragraphs(const QString &shown) {
    QString text;
    for (const QString &line : shown.split(QLatin1Char('\n'))) {
        const bool starts = line.startsWith(QLatin1String("  "));
        const QString words = line.trimmed();
        if (words.isEmpty())
            continue;
        const bool broken = text.size() > 1 && text.endsWith(QLatin1Char('-')) &&
                            text.at(text.size() - 2).isLetter();
        if (text.isEmpty())
            text = words;
        else if (starts)
            text += QLatin1Char('\n') + words;
        else if (broken)
            text = text.chopped(1) + words;
        else
            text += QLatin1Char(' ') + words;
    }
    return text;
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
    SpeakLabelsBesideNoField(window);
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

void NameControls(const TForm_Graphic &window, const Experiment &experiment) {
    NameGroups(window);
    chart::TChart *charts[] = {window.Chart1, window.Chart2, window.Chart3};
    const auto describe = [charts, &experiment] {
        for (int i = 0; i < 3; ++i) {
            const QString values = ChartValues(experiment, i + 1);
            const QString legend = Tr(kChartTexts[i].legend);
            charts[i]->setAccessibleDescription(values.isEmpty() ? legend : legend + ". " + values);
        }
    };
    for (int i = 0; i < 3; ++i) {
        charts[i]->setAccessibleName(Tr(kChartTexts[i].name));
        // The axis titles on the chart are in its name.
        for (QLabel *caption : charts[i]->findChildren<QLabel *>())
            LeaveOutOfAccessibleTree(*caption);
    }
    describe();
    QObject::connect(&window, &TForm_Graphic::ChartsFilled, &window, describe);
}

void NameControls(const TForm_Help &window) {
    QLabel *text = window.TextLabel();
    text->setAccessibleName(Paragraphs(text->text()));
}

} // namespace kvr
