#include "AccessibleNames.h"

#include "ResultLabels.h"
#include "ShownValue.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <span>
#include <string_view>

namespace kvr {

namespace {

struct SpokenName {
    const char *control;
    const char *name;
};

const SpokenName kMainNames[] = {
    {"Edit1", "Прізвище та ініціали студента"},
    {"ComboBox1", "Матеріал заготовки"},
    {"Edit3", "Діаметр заготовки D, мм"},
    {"ComboBox2", "Головний кут у плані φ, градусів"},
    {"ComboBox3", "Допоміжний кут у плані φ1, градусів"},
    {"ComboBox4", "Задній кут α, градусів"},
    {"ComboBox5", "Передній кут γ, градусів"},
    {"Edit10", "Глибина різання h, мм"},
    {"Edit11", "Подача S, мм/об."},
    {"Edit12", "Частота обертання n1, інструмент 1, об./хв."},
    {"Edit13", "Частота обертання n2, інструмент 2, об./хв."},
    {"Edit14", "Частота обертання n3, інструмент 3, об./хв."},
    {"Edit2", "Допустиме зношування по задній поверхні, мкм"},
    {"Edit4", "Тривалість 1-го інтервалу, інструмент 1, хв."},
    {"Edit5", "Тривалість 2-го інтервалу, інструмент 1, хв."},
    {"Edit6", "Тривалість 3-го інтервалу, інструмент 1, хв."},
    {"Edit7", "Тривалість 1-го інтервалу, інструмент 2, хв."},
    {"Edit9", "Тривалість 2-го інтервалу, інструмент 2, хв."},
    {"Edit15", "Тривалість 3-го інтервалу, інструмент 2, хв."},
    {"Edit22", "Тривалість 1-го інтервалу, інструмент 3, хв."},
    {"Edit23", "Тривалість 2-го інтервалу, інструмент 3, хв."},
    {"Edit24", "Тривалість 3-го інтервалу, інструмент 3, хв."},
    {"Edit19", "Зношування по задній поверхні після 1-го інтервалу, інструмент 1, мкм"},
    {"Edit20", "Зношування по задній поверхні після 2-го інтервалу, інструмент 1, мкм"},
    {"Edit21", "Зношування по задній поверхні після 3-го інтервалу, інструмент 1, мкм"},
    {"Edit16", "Зношування по задній поверхні після 1-го інтервалу, інструмент 2, мкм"},
    {"Edit17", "Зношування по задній поверхні після 2-го інтервалу, інструмент 2, мкм"},
    {"Edit18", "Зношування по задній поверхні після 3-го інтервалу, інструмент 2, мкм"},
    {"Edit25", "Зношування по задній поверхні після 1-го інтервалу, інструмент 3, мкм"},
    {"Edit26", "Зношування по задній поверхні після 2-го інтервалу, інструмент 3, мкм"},
    {"Edit27", "Зношування по задній поверхні після 3-го інтервалу, інструмент 3, мкм"},
    {"Button1", "Розрахувати"},
    {"Button2", "Результати розрахунків"},
    {"Button3", "Графіки"},
    {"BitBtn1", "Допомога"},
};

const SpokenName kResultNames[] = {
    {"Edit1", "Довільна тривалість роботи інструмента τд, хв."},
    {"Button1", "Визначити параметри"},
};

const SpokenName kGraphicDescriptions[] = {
    {"Chart1", "Графік розмірного зношування hр, мкм (вертикальна вісь) від часу експлуатації "
               "інструмента τ, хв. (горизонтальна вісь): виміряне зношування трьох інструментів "
               "точками і лінії зношування V1 (червона), V2 (синя), V3 (зелена)"},
    {"Chart2", "Графік розмірного зношування hр, мкм (вертикальна вісь) від швидкості різання "
               "V, м/хв. (горизонтальна вісь): зношування трьох інструментів у вибраний час "
               "точками і крива моделі зношування"},
    {"Chart3", "Графік періоду стійкості T, хв. (вертикальна вісь) від швидкості різання V, "
               "м/хв. (горизонтальна вісь): період стійкості трьох інструментів точками і "
               "крива моделі стійкості"},
};

// A result label read as "<subject> дорівнює <the number and unit the label shows>".
struct LabelSentence {
    const char *label;
    const char *subject;
};

const LabelSentence kResultSentences[] = {
    {kCutterLabels[0].speed, "Швидкість різання інструмента 1"},
    {kCutterLabels[1].speed, "Швидкість різання інструмента 2"},
    {kCutterLabels[2].speed, "Швидкість різання інструмента 3"},
    {kCutterLabels[0].total, "Загальна тривалість роботи інструмента 1"},
    {kCutterLabels[1].total, "Загальна тривалість роботи інструмента 2"},
    {kCutterLabels[2].total, "Загальна тривалість роботи інструмента 3"},
    {kCutterLabels[0].wear[0], "Розмірне зношування інструмента 1 після 1-го інтервалу"},
    {kCutterLabels[0].wear[1], "Розмірне зношування інструмента 1 після 2-го інтервалу"},
    {kCutterLabels[0].wear[2], "Розмірне зношування інструмента 1 після 3-го інтервалу"},
    {kCutterLabels[1].wear[0], "Розмірне зношування інструмента 2 після 1-го інтервалу"},
    {kCutterLabels[1].wear[1], "Розмірне зношування інструмента 2 після 2-го інтервалу"},
    {kCutterLabels[1].wear[2], "Розмірне зношування інструмента 2 після 3-го інтервалу"},
    {kCutterLabels[2].wear[0], "Розмірне зношування інструмента 3 після 1-го інтервалу"},
    {kCutterLabels[2].wear[1], "Розмірне зношування інструмента 3 після 2-го інтервалу"},
    {kCutterLabels[2].wear[2], "Розмірне зношування інструмента 3 після 3-го інтервалу"},
    {kAllowableWearLabel, "Допустиме розмірне зношування"},
};

// A formula spread over several labels, read from its lead label as one sentence.
struct FormulaSentence {
    const char *lead;
    const char *coefficient; // "= C" until a determination writes "= <number>V"
    const char *exponent;
    const char *subject;
};

const FormulaSentence kResultFormulas[] = {
    {kWearFormula.lead, kWearFormula.coefficient, kWearFormula.exponent, "Розмірне зношування hр"},
    {kLifeFormula.lead, kLifeFormula.coefficient, kLifeFormula.exponent, "Період стійкості Tр"},
};

template <typename T> T *Child(const QWidget *window, const char *name) {
    return window->findChild<T *>(QString::fromLatin1(name));
}

void ApplyNames(QWidget *window, std::span<const SpokenName> names) {
    for (const SpokenName &entry : names)
        if (auto *control = Child<QWidget>(window, entry.control))
            control->setAccessibleName(QString::fromUtf8(entry.name));
}

void ApplyDescriptions(QWidget *window, std::span<const SpokenName> descriptions) {
    for (const SpokenName &entry : descriptions)
        if (auto *control = Child<QWidget>(window, entry.control))
            control->setAccessibleDescription(QString::fromUtf8(entry.name));
}

void SpeakResultLabels(const QWidget *window) {
    const QString is = QString::fromUtf8(" дорівнює ");
    for (const LabelSentence &entry : kResultSentences)
        if (auto *label = Child<QLabel>(window, entry.label))
            label->setAccessibleName(QString::fromUtf8(entry.subject) + is +
                                     ShownValue(label->text()));
    for (const FormulaSentence &formula : kResultFormulas) {
        auto *lead = Child<QLabel>(window, formula.lead);
        auto *coefficient = Child<QLabel>(window, formula.coefficient);
        auto *exponent = Child<QLabel>(window, formula.exponent);
        if (!lead || !coefficient || !exponent)
            continue;
        // Before a determination the coefficient label shows the symbol C itself.
        lead->setAccessibleName(
            QString::fromUtf8(formula.subject) + is + ShownNumber(coefficient->text()) +
            QString::fromUtf8(", помножене на V у степені ") + exponent->text());
    }
}

} // namespace

void NameControls(QWidget *window) {
    // Unnamed, a group inside a group would read as the title of the group around it.
    for (QGroupBox *group : window->findChildren<QGroupBox *>())
        group->setAccessibleName(group->title());
    const QString name = window->objectName();
    if (name == QLatin1String("Form_Main")) {
        ApplyNames(window, kMainNames);
    } else if (name == QLatin1String("Form_Result")) {
        ApplyNames(window, kResultNames);
        SpeakResultLabels(window);
    } else if (name == QLatin1String("Form_Graphic")) {
        ApplyDescriptions(window, kGraphicDescriptions);
    }
}

QString SpokenNameOf(const char *control) {
    for (const SpokenName &entry : kMainNames)
        if (std::string_view(entry.control) == control)
            return QString::fromUtf8(entry.name);
    return {};
}

void UpdateSpokenSentences(const QLabel *label) {
    const QWidget *window = label->window();
    if (window->objectName() == QLatin1String("Form_Result"))
        SpeakResultLabels(window);
}

} // namespace kvr
