#include "UiTestSupport.h"

#include "Result.h"
#include "Windows.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

namespace kvr::test {

QList<ModalCapture> AnswerModals(const std::function<void()> &action) {
    QList<ModalCapture> captured;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&captured] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ModalCapture capture{modal->objectName(), modal->windowTitle(), {}, modal->width()};
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            capture.texts << box->text();
        else
            for (QLabel *label : modal->findChildren<QLabel *>())
                capture.texts << label->text();
        captured << capture;
        modal->close();
    });
    poll.start();
    action();
    return captured;
}

QLabel *ResultLabel(int number) {
    return Find<QLabel>(Form_Result, qPrintable(QStringLiteral("Label%1").arg(number)));
}

QString Sep() { return QLocale::system().decimalPoint(); }

} // namespace kvr::test
