#include "Graphic.h"
#include "Help.h"
#include "InputFields.h"
#include "InputTable.h"
#include "Main.h"
#include "QuantityTexts.h"
#include "Result.h"
#include "ResultLabels.h"
#include "Titles.h"
#include "UiTestSupport.h"
#include "Warning.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kvr::test {
namespace {

using MainWindowStart = WindowTest;

TEST_F(MainWindowStart, OnlyTheMainWindowIsShownWithResultButtonsDisabled) {
    EXPECT_TRUE(Form_Main()->isVisible());
    for (QWidget *hidden : std::initializer_list<QWidget *>{Form_Result(), Form_Graphic(),
                                                            Form_Warning(), Form_Help()})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(Main().calculate->isEnabled());
    EXPECT_FALSE(Main().results->isEnabled());
    EXPECT_FALSE(Main().graphs->isEnabled());
    EXPECT_TRUE(Main().help->isEnabled());
    EXPECT_FALSE(Main().nameAccepted->isVisible());
    EXPECT_EQ(State(), CalculationState{});
    EXPECT_EQ(Form_Main()->windowTitle(), QString::fromUtf8(kApplicationTitle));
    QStringList menu;
    for (const QAction *action : Form_Main()->actions())
        menu << action->text() + action->shortcut().toString();
    EXPECT_EQ(menu.join('|').toStdString(),
              "Відкрити дослід…Ctrl+O|Зберегти дослід…Ctrl+S|Перевірити групу…");
}

TEST_F(MainWindowStart, EveryFieldShowsTheWorkedExample) {
    EXPECT_EQ(Main().studentName->text(), QString());
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        QWidget *field = Main().inputs[std::size_t(slot)];
        const auto *list = qobject_cast<QComboBox *>(field);
        EXPECT_EQ(list ? list->currentText() : qobject_cast<QLineEdit *>(field)->text(),
                  QString::fromUtf8(kDefaultFieldTexts[std::size_t(slot)]))
            << slot;
    }
    EXPECT_EQ(Form_Main()->findChildren<QLineEdit *>().size(), 26);
}

// The unit written right of each number field, on its line: its quantity's.
TEST_F(MainWindowStart, EveryNumberFieldIsFollowedByItsUnit) {
    for (int slot = kDiameterSlot; slot < kMainWindowSlots; ++slot) {
        const QWidget *edit = Main().inputs[std::size_t(slot)];
        const QLabel *nearest = nullptr;
        for (const QLabel *label : edit->parentWidget()->findChildren<QLabel *>())
            if (label->x() > edit->geometry().right() &&
                std::abs(label->geometry().center().y() - edit->geometry().center().y()) < 6 &&
                (!nearest || label->x() < nearest->x()))
                nearest = label;
        ASSERT_TRUE(nearest) << slot;
        EXPECT_EQ(nearest->text(), Unit(TypedValueAt(slot).quantity->key)) << slot;
    }
}

TEST_F(MainWindowStart, ListsHoldTheirItemsAndCannotBeTyped) {
    const std::pair<const char *, const char *> lists[] = {
        {"ComboBox1", "сталь 10|сталь 20|сталь 25|сталь 30|сталь 35|сталь 40|сталь 45|сталь 50|"
                      "сталь 55|сталь 60|сталь 20Г|сталь 30Г|сталь 50Г|сталь 20Х|сталь 40Х|"
                      "сталь 45Х|сталь 30ХМ|сталь 35ХМ|сталь 40ХН|сталь 50ХН|сталь 40ХФА|"
                      "сталь 38ХМЮА|сталь 12ХН3А|сталь 20ХН3А|сталь 30ХН3А|сталь 40ХНМА|"
                      "сталь 30ХГСА|сталь 12Х18Н9Т"},
        {"ComboBox2", "30|45|60"},
        {"ComboBox3", "30|45|60"},
        {"ComboBox4", "3|5|8"},
        {"ComboBox5", "-15|0|10"}};
    for (auto [name, items] : lists) {
        auto *combo = Find<QComboBox>(Form_Main(), name);
        QStringList texts;
        for (int k = 0; k < combo->count(); ++k)
            texts << combo->itemText(k);
        EXPECT_EQ(texts.join('|'), QString::fromUtf8(items)) << name;
        EXPECT_FALSE(combo->isEditable()) << name;
    }
    EXPECT_EQ(Edit<QComboBox>(kMaterialSlot)->maxVisibleItems(), 15);
}

// Our glyph at both scales: without an icon theme the toolkit's is a missing-image mark.
TEST_F(MainWindowStart, HelpButtonCarriesItsOwnGlyphAndMnemonic) {
    const auto *help = Main().help;
    EXPECT_EQ(help->icon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    EXPECT_EQ(help->iconSize(), QSize(16, 16));
    EXPECT_EQ(help->shortcut().toString(), QString::fromUtf8("Alt+Д"));
    EXPECT_EQ(
        Find<QLabel>(Form_Main(), "Label3")->text(),
        QString::fromUtf8("Група верстатів: токарно-гвинторізні\nВид оброблення: обточування\n"));
}

// The locale's name as the C library picks it: LC_ALL, then LC_NUMERIC, then LANG.
QByteArray NumericLocaleName() {
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const QByteArray name = qgetenv(variable); !name.isEmpty())
            return name;
    return "C";
}

TEST_F(MainWindowStart, ShownNumbersFollowTheLocale) {
    const QByteArray language = NumericLocaleName();
    QString expected = QLocale(QString::fromLatin1(language)).decimalPoint();
    if (language.startsWith("uk_UA")) {
        EXPECT_EQ(Sep(), QStringLiteral(","));
        expected = QStringLiteral(",");
    } else if (language == "C" || language.startsWith("C.")) {
        EXPECT_EQ(Sep(), QStringLiteral("."));
        expected = QStringLiteral(".");
    }
    EXPECT_EQ(Sep(), expected);
    // And the shown numbers use it.
    Main().studentName->setText(QStringLiteral("Student"));
    Main().calculate->click();
    EXPECT_EQ(Find<QLabel>(Form_Result(), kCutterLabels[0].speed)->text(),
              QStringLiteral("V = 182") + expected + QStringLiteral("06 м/хв."));
}

TEST_F(MainWindowStart, HelpTwiceShowsTheOneHelpWindow) {
    Main().help->click();
    Main().help->click();
    int helpWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<TForm_Help *>(window) != nullptr;
    EXPECT_EQ(helpWindows, 1);
    EXPECT_TRUE(Form_Help()->isVisible());
}

TEST_F(MainWindowStart, ResizingAndMaximisingLeaveTheSize) {
    for (QWidget *window :
         std::initializer_list<QWidget *>{Form_Main(), Form_Result(), Form_Graphic()}) {
        window->show();
        const QSize before = window->size();
        window->resize(before.width() + 50, before.height() - 40);
        EXPECT_EQ(window->size(), before) << window->objectName().toStdString();
        window->showMaximized();
        QApplication::processEvents();
        EXPECT_EQ(window->size(), before) << window->objectName().toStdString();
    }
    EXPECT_EQ(Form_Main()->frameGeometry().size(), QSize(801, 431));
    EXPECT_EQ(Form_Main()->pos(), QPoint(282, 110));
    EXPECT_EQ(QRect(Form_Result()->pos(), Form_Result()->size()), QRect(299, 143, 769, 353));
    EXPECT_EQ(QRect(Form_Graphic()->pos(), Form_Graphic()->size()), QRect(23, 181, 1305, 393));
}

TEST_F(MainWindowStart, ClosingAsksBeforeTypedWorkIsLost) {
    Edit(FlankWearSlot(1, 1))->setText(QStringLiteral("34"));
    const ExperimentTexts typed = Form_Main()->FieldTexts();
    const QList<ModalCapture> shown =
        AnswerModals([] { Form_Main()->close(); }, std::chrono::seconds(10),
                     [](QWidget *modal) {
                         auto *box = qobject_cast<QMessageBox *>(modal);
                         return box && (box->button(QMessageBox::Cancel)->click(), true);
                     });
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].objectName, "UnsavedChangesBox");
    EXPECT_TRUE(Form_Main()->isVisible());
    EXPECT_EQ(Form_Main()->FieldTexts(), typed);
}

TEST_F(MainWindowStart, ClosingTheMainWindowEndsTheApplicationWithHelpOpen) {
    QTimer::singleShot(0, [] {
        Main().help->click();
        Form_Main()->close();
    });
    // Fails the test instead of hanging when the application does not end.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [] { QApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(MainWindowStart, ResultButtonsOpenTheirWindowsOnceEnabled) {
    Main().studentName->setText(QStringLiteral("Student"));
    Main().calculate->click();
    Main().results->click();
    EXPECT_TRUE(Form_Result()->isVisible());
}

// The run by keyboard alone: each key on a button (or window) shows or enables what it should.
TEST_F(MainWindowStart, EnterAndKeypadEnterPressTheFocusedButtonEscClosesTheHelp) {
    const auto enabled = [](QWidget *w, const char *b) { return Find<QWidget>(w, b)->isEnabled(); };
    const struct {
        QWidget *window;
        const char *button;
        Qt::Key key;
        std::function<bool()> done;
    } cases[] = {
        {Form_Main(), "Button1", Qt::Key_Return, [&] { return enabled(Form_Main(), "Button2"); }},
        {Form_Main(), "Button2", Qt::Key_Enter, [] { return Form_Result()->isVisible(); }},
        {Form_Result(), "Edit1", Qt::Key_Enter, [&] { return enabled(Form_Main(), "Button3"); }},
        {Form_Main(), "Button3", Qt::Key_Return, [] { return Form_Graphic()->isVisible(); }},
        {Form_Graphic(), nullptr, Qt::Key_F1, [] { return Form_Help()->isVisible(); }},
        {Form_Help(), nullptr, Qt::Key_Escape, [] { return !Form_Help()->isVisible(); }},
    };
    Main().studentName->setText(QStringLiteral("Student"));
    for (const auto &c : cases) {
        ASSERT_FALSE(c.done()) << c.key;
        // A key for the window itself goes to the window that is active.
        c.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window));
        QTest::keyClick(c.button ? Find<QWidget>(c.window, c.button) : c.window, c.key,
                        c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_TRUE(c.done()) << c.key;
    }
}

} // namespace
} // namespace kvr::test
