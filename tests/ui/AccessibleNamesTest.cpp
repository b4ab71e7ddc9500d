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
        {kNotesLabel, ""},
    };
    for (auto [label, sentence] : after)
        EXPECT_EQ(Find<QLabel>(Form_Result(), label)->accessibleName().toStdString(),
                  ShownText(sentence));
    Edit(kDiameterSlot)->setText(QStringLiteral("96"));
    EXPECT_EQ(Find<QLabel>(Form_Result(), kNotesLabel)->accessibleName().toStdString(),
              "Зверніть увагу: поля головного вікна змінено після «Розрахувати»: результати не "
              "перераховано");
}

TEST_F(AccessibleNames, EachChartIsNamedByItsAxes) {
    for (const char *chart : {"Chart1", "Chart2", "Chart3"}) {
        const QString name = Find<QWidget>(Form_Graphic(), chart)->accessibleName();
        EXPECT_TRUE(name.contains(QString::fromUtf8("вертикальна вісь"))) << chart;
        EXPECT_TRUE(name.contains(QString::fromUtf8("горизонтальна вісь"))) << chart;
    }
}

} // namespace
} // namespace kvr::test
