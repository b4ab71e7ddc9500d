#include "UiTestSupport.h"

#include "Result.h"
#include "Windows.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

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
                                 std::chrono::milliseconds limit) {
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

QString Sep() { return QLocale::system().decimalPoint(); }

} // namespace kvr::test
