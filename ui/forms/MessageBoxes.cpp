#include "MessageBoxes.h"

#include "Titles.h"
#include "TranslatedTexts.h"

#include <QAbstractButton>
#include <QApplication>

namespace kvr {

void ShowMessage(QMessageBox::Icon icon, const QString &text, QWidget *parent,
                 const char *objectName) {
    QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QString::fromLatin1(objectName));
    // The toolkit's Ukrainian keeps "OK"; the program's own button says "Добре".
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Form", "Добре"));
    box.exec();
}

bool MayTakeOldResults(QWidget *parent) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    QCoreApplication::translate(
                        "Dialogs", "Поля головного вікна змінено після «Розрахувати», і "
                                   "результати не перераховано. Узяти результати попереднього "
                                   "розрахунку?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("OldResultsBox"));
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Dialogs", "Узяти"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Dialogs", "Скасувати"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void ShowFaultBox(const QString &message, const QString &cause) {
    const QString text = message + QLatin1Char('.');
    ShowMessage(QMessageBox::Critical, cause.isEmpty() ? text : text + QLatin1Char('\n') + cause,
                QApplication::activeWindow(), "FaultBox");
}

void ShowPressFault(const std::optional<std::string> &fault,
                    const std::optional<CauseText> &cause) {
    if (fault)
        ShowFaultBox(QString::fromStdString(*fault), CauseLine(cause));
}

} // namespace kvr
