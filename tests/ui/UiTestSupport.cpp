#include "UiTestSupport.h"

#include "Result.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvr::test {

namespace {

ModalCapture Capture(QWidget *modal) {
    ModalCapture capture{modal->objectName(), modal->windowTitle(), {}, modal->width()};
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        capture.texts << box->text();
    else
        for (QLabel *label : modal->findChildren<QLabel *>())
            capture.texts << label->text();
    return capture;
}

} // namespace

QList<ModalCapture> AnswerModals(const std::function<void()> &action,
                                 std::chrono::milliseconds limit, const ModalAnswer &answer) {
    QList<ModalCapture> captured;
    QPointer<QWidget> refusing; // a modal window that did not close when asked
    QElapsedTimer refusingFor;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal != refusing) {
            captured << Capture(modal);
            if (answer && answer(modal))
                return;
            if (!modal->close()) {
                refusing = modal;
                refusingFor.start();
            }
            return;
        }
        if (modal->close() || refusingFor.elapsed() < limit.count())
            return;
        ADD_FAILURE() << "the modal window " << modal->objectName().toStdString()
                      << " did not close within " << limit.count() << " ms";
        // Ended without its consent, so that the test goes on to report the failure.
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->hide();
        refusing = nullptr;
    });
    poll.start();
    action();
    return captured;
}

void WindowTest::GuardAgainstUnansweredModals() {
    constexpr int kChecksBeforeFailing = 30; // of 500 ms each
    m_modalGuard.setInterval(500);
    QObject::connect(&m_modalGuard, &QTimer::timeout, &m_modalGuard, [checks = 0]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        checks = modal ? checks + 1 : 0;
        if (checks < kChecksBeforeFailing)
            return;
        ADD_FAILURE() << "nobody answered the modal window " << modal->objectName().toStdString();
        modal->close();
        checks = 0;
    });
    m_modalGuard.start();
}

QString Sep() { return QLocale::system().decimalPoint(); }

SmallDisk::SmallDisk() {
    // Mount namespaces belong to threads: the test's own thread does every file operation.
    static const bool ownNamespace = ::unshare(CLONE_NEWNS) == 0;
    const QByteArray point = QFile::encodeName(m_folder.path());
    // The folder bound onto itself is a mount point of the test's own, which can be made
    // private where the root cannot: in a chroot the root is no mount point. So nothing
    // mounted on it is seen outside the test.
    const auto step = [this](bool done, const char *what) {
        if (!done && m_failure.empty())
            m_failure = std::string(what) + ": " + strerror(errno) + " (root is needed)";
        return done && m_failure.empty();
    };
    step(ownNamespace, "no mount namespace of its own") &&
        step(::mount(point, point, nullptr, MS_BIND, nullptr) == 0, "no bind mount") &&
        step(::mount(nullptr, point, nullptr, MS_PRIVATE, nullptr) == 0, "no private mount") &&
        step(::mount("kvr-test", point, "tmpfs", 0, "size=64k,mode=0777") == 0, "no tmpfs");
}

SmallDisk::~SmallDisk() {
    // The tmpfs, then the folder's binding.
    const QByteArray point = QFile::encodeName(m_folder.path());
    ::umount2(point, MNT_DETACH);
    ::umount2(point, MNT_DETACH);
}

void SmallDisk::Fill(qint64 freeBytes) {
    struct statvfs disk {};
    ASSERT_EQ(::statvfs(QFile::encodeName(m_folder.path()), &disk), 0) << strerror(errno);
    // Filling anything but the small disk would exhaust the machine instead.
    ASSERT_LE(disk.f_blocks * disk.f_frsize, 64u * 1024) << "not the small disk";
    QFile filler(Path(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray(qint64(disk.f_bavail * disk.f_frsize) - freeBytes, 'x'));
}

void SmallDisk::MakeReadOnly() {
    ASSERT_EQ(::mount("kvr-test", QFile::encodeName(m_folder.path()), "tmpfs",
                      MS_REMOUNT | MS_RDONLY, nullptr),
              0)
        << strerror(errno);
}

QStringList SmallDisk::Entries() const {
    return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden);
}

std::string AsNobody(const std::function<std::string()> &work) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    if (const pid_t child = ::fork(); child == 0) {
        ::close(channel[0]);
        constexpr uid_t kNobody = 65534;
        const std::string result =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0
                ? work()
                : "cannot become nobody";
        ::_exit(::write(channel[1], result.data(), result.size()) < 0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, size_t(n));
    ::close(channel[0]);
    ::wait(nullptr);
    return result;
}

} // namespace kvr::test
