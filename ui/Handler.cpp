#include "Handler.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace kvr {

void ShowFaultBox(const QString &message) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                    message + QLatin1Char('.'), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("FaultBox"));
    box.exec();
}

void RunHandler(const std::function<void()> &handler) {
    try {
        handler();
    } catch (const std::exception &fault) {
        ShowFaultBox(QString::fromUtf8(fault.what()));
    }
}

} // namespace kvr
