// What a screen reader says for the windows' controls.
#include "DefaultRun.h"

#include "Graphic.h"
#include "ResultLabels.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSet>

namespace kvr::test {
namespace {

using AccessibleNames = WindowTest;

TEST_F(AccessibleNames, EveryFieldOfTheMainWindowHasItsOwnName) {
    QList<QWidget *> fields;
    for (QWidget *field : Form_Main()->findChildren<QWidget *>())
        if (qobject_cast<QLineEdit *>(field) || qobject_cast<QComboBox *>(field) ||
            qobject_cast<QPushButton *>(field))
            fields << field;
    QSet<QString> names;
    for (QWidget *field : fields) {
        const QString name = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << field->objectName().toStdString();
        if (auto *group = qobject_cast<QGroupBox *>(field->parentWidget())) {
            EXPECT_NE(name, group->title()) << field->objectName().toStdString();
        }
        names << name;
    }
    EXPECT_EQ(fields.size(), 26 + 5 + 4);
    EXPECT_EQ(names.size(), fields.size());
    EXPECT_EQ(Edit(RunningTimeSlot(1, 1))->accessibleName(),
              QString::fromUtf8("Тривалість 1-го інтервалу, інструмент 1, хв."));
    for (QWidget *window :
         {static_cast<QWidget *>(Form_Main()), static_cast<QWidget *>(Form_Result())})
        for (QGroupBox *group : window->findChildren<QGroupBox *>())
            EXPECT_EQ(QAccessible::queryAccessibleInterface(group)->text(QAccessible::Name),
                      group->title());
    // A list nobody named says its item, and "Press" opens it as "ShowMenu" does.
    QComboBox lone;
    lone.addItems({"30", "45"});
    lone.setCurrentIndex(1);
    lone.show();
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&lone);
    EXPECT_EQ(spoken->text(QAccessible::Name) + '|' + spoken->text(QAccessible::Value), "45|45");
    // Its one child is the drop-down, which a reader finds again at index 0.
    QAccessibleInterface *items = spoken->child(0);
    EXPECT_TRUE(items && items->object() == lone.view() && !spoken->child(1));
    EXPECT_EQ(QList({spoken->indexOfChild(items), spoken->indexOfChild(spoken)}), QList({0, -1}));
    EXPECT_EQ(spoken->actionInterface()->actionNames().mid(0, 2),
              QStringList({QAccessibleActionInterface::showMenuAction(),
                           QAccessibleActionInterface::pressAction()}));
    EXPECT_FALSE(spoken->state().expanded);
    for (const QString &action : {QAccessibleActionInterface::pressAction(),
                                  QAccessibleActionInterface::showMenuAction()}) {
        spoken->actionInterface()->doAction(action);
        EXPECT_TRUE(spoken->state().expanded && lone.view()->isVisible()) << action.toStdString();
        lone.hidePopup();
    }
}

TEST_F(AccessibleNames, ResultsAndFormulasReadAsSentences) {
    const std::pair<const char *, const char *> before[] = {
        {kWearFormula.lead, "Розмірне зношування hр дорівнює C, помножене на V у степені k"},
        {kLifeFormula.lead, "Період стійкості Tр дорівнює C, помножене на V у степені z"},
    };
    for (auto [label, sentence] : before)
        EXPECT_EQ(Find<QLabel>(Form_Result(), label)->accessibleName().toStdString(),
                  ShownText(sentence));
    CalculateDefaults();
    DetermineModels();
    const std::pair<const char *, const char *> after[] = {
        {kCutterLabels[0].speed, "Швидкість різання інструмента 1 дорівнює 182,06 м/хв."},
        {kCutterLabels[1].total, "Загальна тривалість роботи інструмента 2 дорівнює 4,50 хв."},
        {kCutterLabels[2].wear[2],
         "Розмірне зношування інструмента 3 після 3-го інтервалу дорівнює 2,65 мкм"},
        {kAllowableWearLabel, "Допустиме розмірне зношування дорівнює 5,10 мкм"},
        {kWearFormula.lead,
         "Розмірне зношування hр дорівнює 0,110, помножене на V у степені 0,701"},
        {kLifeFormula.lead, "Період стійкості Tр дорівнює 845, помножене на V у степені -1,006"},
    };
    for (auto [label, sentence] : after)
        EXPECT_EQ(Find<QLabel>(Form_Result(), label)->accessibleName().toStdString(),
                  ShownText(sentence));
}

// Named by its title and axes, described by how its series look and the values they plot.
TEST_F(AccessibleNames, EachChartIsNamedByItsAxesAndDescribedByItsValues) {
    ShowDefaultGraphs();
    std::string spoken;
    for (const char *chart : {"Chart1", "Chart2", "Chart3"}) {
        const QWidget *shown = Find<QWidget>(Form_Graphic(), chart);
        spoken +=
            (shown->accessibleName() + "|" + shown->accessibleDescription() + "\n").toStdString();
    }
    EXPECT_EQ(
        spoken,
        ShownText(
            "Графік розмірного зношування hр, мкм (вертикальна вісь) від часу експлуатації "
            "інструмента τ, хв. (горизонтальна вісь)|Виміряне зношування трьох інструментів "
            "точками і лінії зношування V1 (червона), V2 (синя), V3 (зелена). Розмірне "
            "зношування, інструмент 1: τ = 1,00 хв., hр = 3,36 мкм; τ = 2,00 хв., hр = 4,08 мкм; "
            "τ = 3,00 хв., hр = 4,38 мкм. Розмірне зношування, інструмент 2: τ = 1,50 хв., "
            "hр = 2,14 мкм; τ = 3,00 хв., hр = 2,65 мкм; τ = 4,50 хв., hр = 3,57 мкм. Розмірне "
            "зношування, інструмент 3: τ = 2,00 хв., hр = 1,53 мкм; τ = 4,00 хв., hр = 2,34 мкм; "
            "τ = 6,00 хв., hр = 2,65 мкм. Лінія зношування V1, інструмент 1: τ = 1,00 хв., "
            "hр = 3,43 мкм; τ = 3,30 хв., hр = 4,60 мкм. Лінія зношування V2, інструмент 2: "
            "τ = 1,50 хв., hр = 2,07 мкм; τ = 4,90 хв., hр = 3,69 мкм. Лінія зношування V3, "
            "інструмент 3: τ = 2,00 хв., hр = 1,61 мкм; τ = 6,50 хв., hр = 2,87 мкм\n"
            "Графік розмірного зношування hр, мкм (вертикальна вісь) від швидкості різання V, "
            "м/хв. (горизонтальна вісь)|Зношування трьох інструментів у вибраний час точками і "
            "крива моделі зношування. Розмірне зношування у вибраний час τд: V = 182,06 м/хв., "
            "hр = 4,45 мкм; V = 113,41 м/хв., hр = 2,79 мкм; V = 55,21 м/хв., hр = 1,89 мкм. "
            "Модель зношування hр = C·V^k: V = 55,00 м/хв., hр = 1,83 мкм; V = 182,00 м/хв., "
            "hр = 4,23 мкм\n"
            "Графік періоду стійкості T, хв. (вертикальна вісь) від швидкості різання V, м/хв. "
            "(горизонтальна вісь)|Період стійкості трьох інструментів точками і крива моделі "
            "стійкості. Період стійкості інструмента: V = 182,06 м/хв., Tр = 4,27 хв.; "
            "V = 113,41 м/хв., Tр = 7,86 хв.; V = 55,21 м/хв., Tр = 14,40 хв. Модель стійкості "
            "Tр = C·V^z: V = 55,00 м/хв., Tр = 15,00 хв.; V = 182,00 м/хв., Tр = 4,49 хв.\n"));
}

} // namespace
} // namespace kvr::test
