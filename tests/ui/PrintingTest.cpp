// Printing the report on a real print queue, started by scripts/print-session.sh: a job the
// queue takes is printed whole, one it refuses is reported as a failed save is, and a full
// temporary folder loses nothing, since the page reaches the server from memory.
#include "DefaultRun.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

namespace kvr::test {
namespace {

using PrinterQueue = WindowTest;

QString Output(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A print server that answers late or breaks off: it passes connections on to the session's,
// holding each answer for `delay` ms, and cuts one once sent more than `cutAfter` bytes.
struct GoBetween : QLocalServer {
    GoBetween(int delay, int cutAfter) {
        listen(
            QStringLiteral("kvr-print-%1-%2").arg(QCoreApplication::applicationPid()).arg(delay));
        connect(this, &QLocalServer::newConnection, this,
                [=, this, target = qEnvironmentVariable("CUPS_SERVER")] {
                    QLocalSocket *program = nextPendingConnection();
                    auto *server = new QLocalSocket(program);
                    server->connectToServer(target);
                    connect(program, &QLocalSocket::readyRead, server, [=, sent = 0]() mutable {
                        const QByteArray bytes = program->readAll();
                        if ((sent += bytes.size()) > cutAfter)
                            return program->abort();
                        server->write(bytes);
                    });
                    connect(server, &QLocalSocket::readyRead, program, [=] {
                        QTimer::singleShot(delay, program, [program, bytes = server->readAll()] {
                            program->write(bytes);
                        });
                    });
                    connect(program, &QLocalSocket::disconnected, program, &QObject::deleteLater);
                });
    }
};

// The main window's paintings while no modal window is up, one asked for every 20 ms.
struct Paints : QObject {
    Paints() {
        Form_Main()->installEventFilter(this);
        ask.callOnTimeout([] { Form_Main()->update(); });
        ask.start(20);
    }
    bool eventFilter(QObject *, QEvent *event) override {
        count += event->type() == QEvent::Paint && !QApplication::activeModalWidget();
        return false;
    }
    QTimer ask;
    int count = 0;
};

// Whether the job's answer, a message box, has shown: a print waits for it.
bool answered = false;
void PrintAndWait() {
    Find<QAction>(Form_Result(), "PrintReport")->trigger();
    static_cast<void>(QTest::qWaitFor([] { return std::exchange(answered, false); }, 20000));
}

// "Друкувати звіт…" on the queue "PDF": the modal windows it showed, a message box with
// its text. `chosen` runs once the queue is chosen in the dialog.
std::string Print(const std::function<void()> &chosen = [] {}) {
    QStringList shown;
    for (const ModalCapture &modal :
         AnswerModals([] { PrintAndWait(); }, std::chrono::seconds(10),
                      [&chosen](QWidget *modal) {
                          auto *dialog = qobject_cast<QPrintDialog *>(modal);
                          answered |= !dialog;
                          if (!dialog)
                              return false;
                          auto *printers =
                              dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                          printers->setCurrentIndex(printers->findText(QStringLiteral("PDF")));
                          chosen();
                          dialog->accept();
                          return true;
                      }))
        shown << (modal.objectName.endsWith(QLatin1String("Box"))
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
    for (int k = 0; k < 100 && pages.size() < count; ++k, QTest::qWait(100)) {
        pages.clear();
        for (const QString &name : folder.entryList({"*.pdf"}, QDir::Files))
            if (const auto found = page.match(Output("pdfinfo", {folder.filePath(name)}));
                !before.contains(name) && found.hasMatch())
                pages << found.captured(1) + found.captured(2);
    }
    return pages.join('|').toStdString();
}

const char *const kSent = "PrintReportDialog|PrintedBox Звіт надіслано на принтер «PDF».";
const char *const kFailed =
    "PrintReportDialog|PrintFailureBox Не вдалося надрукувати звіт на принтері «PDF»: ";

TEST_F(PrinterQueue, TakesTheReportOrSaysWhyNot) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("KVR_PRINTED")) << "run by print-session.sh";
    CalculateDefaults();
    DetermineModels();
    const QStringList before = QDir(qEnvironmentVariable("KVR_PRINTED")).entryList();
    EXPECT_EQ(Print(), kSent);
    EXPECT_EQ(Printed(before, 1), "1A4");
    // Two copies, as chosen in the dialog; a paused printer holds the job, and it is said.
    EXPECT_EQ(
        Print([] { Find<QSpinBox>(QApplication::activeModalWidget(), "copies")->setValue(2); }),
        kSent);
    EXPECT_EQ(Printed(before, 2), "1A4|2A4");
    Output("cupsdisable", {"PDF"});
    EXPECT_EQ(Print(), std::string(kSent) + " Принтер призупинено: звіт чекає в черзі, доки "
                                            "принтер не відновлять.");
    Output("cupsenable", {"PDF"});
    EXPECT_EQ(Printed(before, 3), "1A4|2A4|1A4");
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
    EXPECT_EQ(Print(), kSent);
    qputenv("TMPDIR", temporary);
    EXPECT_EQ(Printed(before, 4), "1A4|2A4|1A4|1A4");
    // The server stopped once the dialog had listed its queues, or one that drops the job
    // unanswered; one that breaks off while the page is sent: the half-sent job is cancelled,
    // not left to wait in the queue.
    const QByteArray server = qgetenv("CUPS_SERVER");
    GoBetween cutting(0, 4096), late(500, 1 << 30), silent(0, 0);
    EXPECT_EQ(Print([] { qputenv("CUPS_SERVER", "/no/print/server"); }),
              kFailed + std::string("сервер друку не відповідає."));
    EXPECT_EQ(Print([&] { qputenv("CUPS_SERVER", QFile::encodeName(silent.fullServerName())); }),
              kFailed + std::string("сервер друку не відповідає."));
    EXPECT_EQ(Print([&] { qputenv("CUPS_SERVER", QFile::encodeName(cutting.fullServerName())); }),
              kFailed + std::string("зв'язок із сервером друку обірвався посеред завдання."));
    qputenv("CUPS_SERVER", server);
    EXPECT_EQ(Output("lpstat", {"-o", "PDF"}).toStdString(), "");
    // A server that answers late: the windows are painted while it is waited for. Closed
    // while a job is sent, they hear nothing of it (the modal guard would fail a box).
    qputenv("CUPS_SERVER", QFile::encodeName(late.fullServerName()));
    auto paints = std::make_unique<Paints>();
    EXPECT_EQ(Print(), kSent);
    EXPECT_GT(std::exchange(paints, nullptr)->count, 20);
    AnswerModals([] { Find<QAction>(Form_Result(), "PrintReport")->trigger(); },
                 std::chrono::seconds(10),
                 [](QWidget *modal) { return QMetaObject::invokeMethod(modal, "accept"); });
    TearDown();
    EXPECT_EQ(Printed(before, 6), "1A4|2A4|1A4|1A4|1A4|1A4");
    qputenv("CUPS_SERVER", server);
    SetUp();
    CalculateDefaults();
    DetermineModels();
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
