// The plain-text report of a run, as it goes to the clipboard.
#include "ResultsReport.h"
#include "DefaultRun.h"
#include "Graphic.h"
#include "ResultLabels.h"
#include "ResultLayout.h"
#include "Titles.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace kvr::test {
namespace {

using ResultsReportTest = WindowTest;

// The default run with φ1 = 30° beside φ = 45°: every angle reaches its own row, and the
// dimensional wear (but not the tool life) follows the smaller φ1.
const std::string kCalculated =
    WindowTitle(kResultWindowWords).toStdString() +
    "\n"
    "Виконав\tІваненко\n"
    "Перевірив\tТарвилко Н. Г.\n"
    "\n"
    "Вихідні дані\n"
    "Матеріал заготовки\tсталь 12Х18Н9Т\n"
    "Діаметр заготовки D, мм\t95\n"
    "Головний кут у плані φ, градусів\t45\n"
    "Допоміжний кут у плані φ1, градусів\t30\n"
    "Задній кут α, градусів\t8\n"
    "Передній кут γ, градусів\t10\n"
    "Глибина різання h, мм\t0,25\n"
    "Подача S, мм/об.\t0,1\n"
    "Частота обертання n1, інструмент 1, об./хв.\t610\n"
    "Частота обертання n2, інструмент 2, об./хв.\t380\n"
    "Частота обертання n3, інструмент 3, об./хв.\t185\n"
    "Допустиме зношування по задній поверхні [hз], мкм\t50\n"
    "Інструмент\tτ1, хв.\tτ2, хв.\tτ3, хв.\thз1, мкм\thз2, мкм\thз3, мкм\n"
    "1\t1\t1\t1\t33\t40\t43\n"
    "2\t1,5\t1,5\t1,5\t21\t26\t35\n"
    "3\t2\t2\t2\t15\t23\t26\n"
    "\n"
    "Результати розрахунків\n"
    "Інструмент\tV, м/хв.\tτΣ, хв.\thр1, мкм\thр2, мкм\thр3, мкм\n"
    "1\t182,06\t3,00\t2,46\t2,98\t3,21\n"
    "2\t113,41\t4,50\t1,57\t1,94\t2,61\n"
    "3\t55,21\t6,00\t1,12\t1,72\t1,94\n"
    "Допустиме розмірне зношування [hр], мкм\t3,73\n";
const std::string kModels = "\n"
                            "Математичні моделі\n"
                            "Довільна тривалість роботи інструмента τд, хв.\t3\n"
                            "Модель\tC\tПоказник степеня\n"
                            "hр = C·V^k\t0,080\t0,701\n"
                            "Tр = C·V^z\t845\t-1,006\n";

TEST_F(ResultsReportTest, HoldsTheRunAsTheWindowsShowIt) {
    Edit<QComboBox>(SlotOf("phi1"))->setCurrentIndex(0);
    CalculateDefaults();
    EXPECT_EQ(ResultsReport(Status(), State()).toStdString(), ShownText(kCalculated.c_str()));
    DetermineModels();
    EXPECT_EQ(ResultsReport(Status(), State()).toStdString(),
              ShownText((kCalculated + kModels).c_str()));
}

// Opens the window's context menu over `target` and chooses its first entry.
QStringList ChooseFromContextMenu(QWidget *target) {
    QStringList entries;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&entries] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            entries << action->text();
        menu->actions().value(0)->trigger();
        menu->close();
    });
    poll.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &event);
    return entries;
}

TEST_F(ResultsReportTest, CtrlCAndTheContextMenuPutTheReportOnTheClipboard) {
    CalculateDefaults();
    DetermineModels();
    Main().results->click();
    Form_Result()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form_Result()));
    const QString report = ResultsReport(Status(), State());
    for (const char *way : {"Ctrl+C", "menu"}) {
        QGuiApplication::clipboard()->clear();
        if (way == std::string("menu")) {
            EXPECT_EQ(ChooseFromContextMenu(Find<QLabel>(Form_Result(), kCutterLabels[0].speed)),
                      QString::fromUtf8("Копіювати результати|Друкувати звіт…|Зберегти звіт у PDF…")
                          .split('|'));
            // The charts' menu offers the two reports after its own entries, with their
            // keys in the graphs window too.
            QStringList chartEntries;
            for (QAction *action : Find<QMenu>(Form_Graphic(), "ChartMenu")->actions())
                chartEntries << action->text() + action->shortcut().toString();
            EXPECT_EQ(chartEntries,
                      QString::fromUtf8("Копіювати графікCtrl+C|Копіювати всі графіки|"
                                        "Скинути масштаб||Друкувати звіт…Ctrl+P|"
                                        "Зберегти звіт у PDF…")
                          .split('|'));
            EXPECT_EQ(Form_Graphic()->actions(), Form_Result()->actions().mid(1));
        } else {
            // The chosen time's edit has the focus when the window opens.
            auto *edit = Results().chosenTime;
            edit->setFocus();
            QTest::keySequence(edit, QKeySequence::Copy);
        }
        EXPECT_EQ(QGuiApplication::clipboard()->text(), report) << way;
    }
}

} // namespace
} // namespace kvr::test
