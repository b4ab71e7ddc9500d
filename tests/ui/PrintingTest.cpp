// Printing the report on a real print queue, started by scripts/print-session.sh: a job the
// queue takes is printed whole, one it refuses is reported as a failed save is, and a full
// temporary folder loses nothing, since the page reaches the server from memory.
#include "DefaultRun.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace kvr::test {
namespace {

using PrinterQueue = WindowTest;

QString Output(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "Друкувати звіт…" on the queue "PDF": the modal windows it showed, a message box with
// its text. `chosen` runs once the queue is chosen in the dialog.
std::string Print(const std::function<void()> &chosen = [] {}) {
    QStringList shown;
    for (const ModalCapture &modal :
         AnswerModals([] { Find<QAction>(Form_Result(), "PrintReport")->trigger(); },
                      std::chrono::seconds(10),
                      [&chosen](QWidget *modal) {
                          auto *dialog = qobject_cast<QPrintDialog *>(modal);
                          if (!dialog)
                              return false;
                          auto *printers =
                              dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                          printers->setCurrentIndex(printers->findText(QStringLiteral("PDF")));
                          chosen();
                          dialog->accept();
                          return true;
                      }))
        shown << (modal.objectName == QLatin1String("PrintFailureBox")
                      ? modal.objectName + QLatin1Char(' ') + modal.texts.join(QString())
                      : modal.objectName);
    return shown.join('|').toStdString();
}

// The pages the queue wrote since `before`, each as its page count and size ("1A4"), once
// `count` are whole or the queue has had ten seconds. Its PDF is redrawn through
// Ghostscript, which keeps the page but not its text.
std::string Printed(const QStringList &before, int count) {
    const QDir folder(qEnvironmentVariable("KVR_PRINTED"));
    static const QRegularExpression page(QStringLiteral("Pages: +(\\d+)[\\s\\S]*\\((A4)\\)"));
    QStringList pages;
    for (int k = 0; k < 100 && pages.size() < count; ++k, QThread::msleep(100)) {
        pages.clear();
        for (const QString &name : folder.entryList({"*.pdf"}, QDir::Files))
            if (const auto found = page.match(Output("pdfinfo", {folder.filePath(name)}));
                !before.contains(name) && found.hasMatch())
                pages << found.captured(1) + found.captured(2);
    }
    return pages.join('|').toStdString();
}

TEST_F(PrinterQueue, TakesTheReportOrSaysWhyNot) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("KVR_PRINTED")) << "run by print-session.sh";
    CalculateDefaults();
    DetermineModels();
    const QStringList before = QDir(qEnvironmentVariable("KVR_PRINTED")).entryList();
    EXPECT_EQ(Print(), "PrintReportDialog");
    EXPECT_EQ(Printed(before, 1), "1A4");
    // A queue that refuses jobs: the box says so, and nothing is printed later.
    Output("cupsreject", {"PDF"});
    EXPECT_EQ(Print(), "PrintReportDialog|PrintFailureBox Не вдалося надрукувати звіт на "
                       "принтері «PDF»: принтер не приймає завдань.");
    Output("cupsaccept", {"PDF"});
    // No room for a temporary file: the page still reaches the queue whole.
    SmallDisk disk;
    ASSERT_EQ(disk.Failure(), "");
    disk.Fill(0);
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(disk.Path({})));
    EXPECT_EQ(Print(), "PrintReportDialog");
    qputenv("TMPDIR", temporary);
    EXPECT_EQ(Printed(before, 2), "1A4|1A4");
    // Refused for a reason of the server's own, told in its words; a queue removed while
    // the dialog was open.
    Output("lpadmin", {"-p", "PDF", "-u", "deny:root"});
    EXPECT_EQ(Print(), "PrintReportDialog|PrintFailureBox Не вдалося надрукувати звіт на принтері "
                       "«PDF»: сервер друку відповів: Not allowed to print.");
    EXPECT_EQ(Print([] {
                  Output("lpadmin", {"-x", "PDF"});
              }),
              "PrintReportDialog|PrintFailureBox Не вдалося надрукувати звіт на принтері «PDF»: "
              "такого принтера немає.");
}

} // namespace
} // namespace kvr::test
