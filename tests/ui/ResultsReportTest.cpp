// The plain-text report of a run, as it goes to the clipboard.
#include "DefaultRun.h"

#include "ResultsReport.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace kvr::test {
namespace {

using ResultsReportTest = WindowTest;

std::vector<std::string> ReportRows() {
    std::vector<std::string> rows;
    for (const QString &row : ResultsReport(Form_Main, Form_Result).split(QLatin1Char('\n')))
        rows.push_back(row.toStdString());
    return rows;
}

bool HasRow(const std::vector<std::string> &rows, const std::string &row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST_F(ResultsReportTest, HoldsTheRunAsTheWindowsShowIt) {
    CalculateDefaults();
    const char *const beforeModels[] = {
        "Виконав\tІваненко",
        "Матеріал заготовки\tсталь 12Х18Н9Т",
        "Діаметр заготовки D, мм\t95",
        "Глибина різання h, мм\t0,25",
        "Головний кут у плані φ, градусів\t45",
        "2\t1,5\t1,5\t1,5\t21\t26\t35",
        "1\t182,06\t3,00\t3,36\t4,08\t4,38",
        "3\t55,21\t6,00\t1,53\t2,34\t2,65",
        "Допустиме розмірне зношування [hр], мкм\t5,10",
    };
    for (const char *row : beforeModels)
        EXPECT_TRUE(HasRow(ReportRows(), ShownText(row))) << row;
    EXPECT_FALSE(HasRow(ReportRows(), ShownText("hр = C·V^k\t0,110\t0,701")));
    DetermineModels();
    for (const char *row :
         {"Тривалість роботи τд, хв.\t3", "hр = C·V^k\t0,110\t0,701", "Tр = C·V^z\t845\t-1,006"})
        EXPECT_TRUE(HasRow(ReportRows(), ShownText(row))) << row;
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
    Find<QPushButton>(Form_Main, "Button2")->click();
    Form_Result->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form_Result));
    const QString report = ResultsReport(Form_Main, Form_Result);
    for (const char *way : {"Ctrl+C", "menu"}) {
        QGuiApplication::clipboard()->clear();
        if (way == std::string("menu")) {
            EXPECT_EQ(ChooseFromContextMenu(Find<QLabel>(Form_Result, "Label6")),
                      QStringList{QString::fromUtf8("Копіювати результати")});
        } else {
            // The chosen time's edit has the focus when the window opens.
            auto *edit = Find<QLineEdit>(Form_Result, "Edit1");
            edit->setFocus();
            QTest::keySequence(edit, QKeySequence::Copy);
        }
        EXPECT_EQ(QGuiApplication::clipboard()->text(), report) << way;
    }
}

} // namespace
} // namespace kvr::test
