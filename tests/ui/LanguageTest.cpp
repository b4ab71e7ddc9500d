// Every window, menu, dialog and message box, the report and `kvr --help` in the interface's
// language: in English no Cyrillic but the student's name; in Ukrainian none of the
// toolkit's own English.
#include "DefaultRun.h"

#include "Graphic.h"
#include "Help.h"
#include "LabReport.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

namespace kvr::test {
namespace {

using Language = WindowTest;

void AddTexts(QWidget *root, QStringList &texts) {
    texts << root->windowTitle();
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets << root;
    for (QWidget *widget : widgets) {
        texts << widget->accessibleName() << widget->accessibleDescription() << widget->toolTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        if (auto *list = qobject_cast<QComboBox *>(widget))
            for (int k = 0; k < list->count(); ++k)
                texts << list->itemText(k);
        for (const QAction *action : widget->actions())
            texts << action->text();
    }
}

// Every modal window the action opens, read whole and closed.
void AddModalTexts(const std::function<void()> &action, QStringList &texts) {
    AnswerModals(action, std::chrono::seconds(10), [&texts](QWidget *modal) {
        AddTexts(modal, texts);
        return false;
    });
}

TEST_F(Language, EveryWindowMenuAndDialogSpeaksTheInterfaceLanguage) {
    const QString student = QStringLiteral("Ivanenko");
    Main().studentName->setText(student);
    QStringList texts;
    AddModalTexts([] { Main().calculate->click(); }, texts);
    DetermineModels();
    Main().graphs->click();
    Main().help->click();
    for (QWidget *window : QApplication::topLevelWidgets())
        AddTexts(window, texts);
    std::unique_ptr<QMenu> fieldMenu(Edit(kDiameterSlot)->createStandardContextMenu());
    AddTexts(fieldMenu.get(), texts);
    for (const char *action : {"OpenExperiment", "SaveExperiment"})
        AddModalTexts([action] { Find<QAction>(Form_Main(), action)->trigger(); }, texts);
    AddModalTexts([] { Find<QAction>(Form_Result(), "PrintReport")->trigger(); }, texts);
    AddModalTexts([] { Form_Main()->OpenExperiment(QStringLiteral("/no/such.kvr")); }, texts);
    Results().chosenTime->setText(QStringLiteral("100"));
    AddModalTexts([] { Results().determine->click(); }, texts);
    // The report, read as a viewer reads it, and the command line's help.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(m_windows->TheExperiment().Write(pdf, *LabReportPdf(Status(), State())));
    for (const QStringList &command :
         {QStringList{"pdftotext", pdf, "-"}, QStringList{KVR_BINARY, "--help"}}) {
        QProcess process;
        process.start(command[0], command.mid(1));
        ASSERT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0);
        texts << QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    }
    const bool english = InterfaceLanguage(QLocale::system().uiLanguages()) == "en";
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    // In Ukrainian no text is English words alone: the toolkit's own are translated, by its
    // catalogue or by the program's supplement to it. Only names and paths stay Latin.
    static const QRegularExpression latinWords(
        QStringLiteral("^[^\\x{0400}-\\x{04FF}]*[A-Za-z]{2}[^\\x{0400}-\\x{04FF}]*$"));
    const QStringList names{"Kelvora \"KVR\"", "  kvr --help | --version", QDir::homePath(),
                            "Label1", "Label2"};
    int found = 0;
    for (QString text : texts) {
        text = text.remove(student).remove('&').section('\t', 0, 0);
        found += !text.isEmpty();
        EXPECT_FALSE(english && text.contains(cyrillic)) << text.toStdString();
        EXPECT_FALSE(!english && latinWords.match(text).hasMatch() && !names.contains(text))
            << text.toStdString();
    }
    EXPECT_GT(found, 300);
    // The list shows its item in the interface's language; the file keeps the Ukrainian.
    EXPECT_EQ(Edit<QComboBox>(kMaterialSlot)->currentText(),
              english ? "steel 12Kh18N9T" : QString::fromUtf8("сталь 12Х18Н9Т"));
    EXPECT_EQ(Form_Main()->FieldTexts().fields[kMaterialSlot], "сталь 12Х18Н9Т");
}

} // namespace
} // namespace kvr::test
