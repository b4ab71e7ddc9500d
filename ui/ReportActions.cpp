#include "ReportActions.h"

#include "Handler.h"
#include "LabReport.h"
#include "RunStatus.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace kvr {

namespace {

QWidget *DialogParent(QWidget *fallback) {
    QWidget *active = QApplication::activeWindow();
    return active ? active : fallback;
}

void PrintReport(QWidget *parent) {
    QPrinter printer(QPrinter::HighResolution);
    SetReportPage(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8("Друкувати звіт"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::critical(
            parent, QString::fromUtf8(kApplicationTitle),
            QString::fromUtf8("Не вдалося надрукувати звіт: принтер недоступний."));
        return;
    }
    PaintLabReport(painter, Runs, State);
}

void SaveReport(QWidget *parent) {
    const QString suggested =
        QString::fromStdString(Runs.calculation.userName).simplified() + QLatin1Char(' ') +
        QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf");
    QString fileName = QFileDialog::getSaveFileName(
        parent, QString::fromUtf8("Зберегти звіт у PDF"), QDir::home().filePath(suggested),
        QString::fromUtf8("Документ PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    if (const std::optional<QString> failure = SaveLabReportPdf(fileName, Runs, State))
        QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle),
                              QString::fromUtf8("Не вдалося зберегти звіт у файл «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(fileName), *failure));
}

QAction *AddAction(QWidget *resultWindow, const char *name, const char *text,
                   void (*handler)(QWidget *)) {
    auto *action = new QAction(QString::fromUtf8(text), resultWindow);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(Buttons(Runs).copy);
    QObject::connect(action, &QAction::triggered, resultWindow, [resultWindow, handler] {
        RunHandler([&] { handler(DialogParent(resultWindow)); });
    });
    resultWindow->addAction(action);
    return action;
}

} // namespace

void AddReportActions(QWidget *resultWindow, QWidget *graphWindow) {
    QAction *print = AddAction(resultWindow, "PrintReport", "Друкувати звіт…", PrintReport);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    QAction *save = AddAction(resultWindow, "SaveReportPdf", "Зберегти звіт у PDF…", SaveReport);
    graphWindow->addActions({print, save});
    if (auto *chartMenu = graphWindow->findChild<QMenu *>(QStringLiteral("ChartMenu"))) {
        chartMenu->addSeparator();
        chartMenu->addActions({print, save});
    }
}

} // namespace kvr
