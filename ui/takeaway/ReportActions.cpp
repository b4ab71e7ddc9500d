#include "ReportActions.h"

#include "CheckNotes.h"
#include "Experiment.h"
#include "ExperimentDialogs.h"
#include "FileNames.h"
#include "GraphInteraction.h"
#include "Graphic.h"
#include "Handler.h"
#include "LabReport.h"
#include "MessageBoxes.h"
#include "PrintChoices.h"
#include "PrintJob.h"
#include "Result.h"
#include "RunStatus.h"
#include "Titles.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace kvr {

namespace {

QWidget *DialogParent(QWidget *fallback) {
    QWidget *active = QApplication::activeWindow();
    return active ? active : fallback;
}

QString ReportFileName(const Experiment &experiment) {
    return SuggestedFileName(QString::fromStdString(experiment.Status().calculation.userName),
                             QDate::currentDate(), FileExtension(FileKind::Report));
}

// The page with the notes the results window shows of the run, but not its mark of edited
// fields: a report made all the same is of the run it shows.
Expected<QByteArray> ReportPdf(const Experiment &experiment) {
    ReportExtras extras;
    extras.notes = NotesLine(experiment, true);
    return LabReportPdf(experiment.Status(), experiment.State(), extras);
}

// Saving and printing to a file alike: the PDF reaches the disk whole or not at all.
void WriteReport(QWidget *parent, Experiment &experiment, const QString &path) {
    const Expected<QByteArray> pdf = ReportPdf(experiment);
    const Expected<void> written = pdf ? experiment.Write(path, *pdf) : pdf.Error();
    if (!written)
        ShowFailure(parent, FileKind::Report, FileAction::Save, path, written.Error());
}

void ShowJobOutcome(QWidget *parent, const QString &queue, const JobOutcome &outcome) {
    ShowMessage(outcome.Taken() ? QMessageBox::Information : QMessageBox::Critical,
                JobMessage(outcome, queue), parent,
                outcome.Taken() ? "PrintedBox" : "PrintFailureBox");
}

void PrintReport(QWidget *parent, Experiment &experiment) {
    QPrinter printer(QPrinter::HighResolution);
    SetReportPage(printer);
    printer.setDocName(ReportTitle(experiment.Status()));
    printer.setOutputFileName(QDir(experiment.Folder()).filePath(ReportFileName(experiment)));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintReportDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("Dialogs", "Друкувати звіт"));
    // One page: no range of pages to choose from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString extension = FileExtension(FileKind::Report);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return WriteReport(parent, experiment, WithExtension(printer.outputFileName(), extension));
    // The page the file would hold, sent so that the queue's answer is heard.
    const QString queue = printer.printerName();
    const Expected<QByteArray> pdf = ReportPdf(experiment);
    if (!pdf)
        return ShowMessage(QMessageBox::Critical,
                           PrintFailureMessage(queue, pdf.Error().Reason(FileAction::Save)), parent,
                           "PrintFailureBox");
    SendPrintJob({queue, printer.docName(), *pdf, PrintOptions(printer)}, parent,
                 [parent, queue](const JobOutcome &outcome) {
                     RunHandler([&] { ShowJobOutcome(parent, queue, outcome); });
                 });
}

void SaveReport(QWidget *parent, Experiment &experiment) {
    const QString path =
        AskSavePath(parent, FileKind::Report, experiment.Folder(), ReportFileName(experiment));
    if (!path.isEmpty())
        WriteReport(parent, experiment, path);
}

QAction *AddAction(TForm_Result &resultWindow, Experiment &experiment, const char *name,
                   const char *text, void (*handler)(QWidget *, Experiment &)) {
    auto *action = new QAction(QCoreApplication::translate("Menu", text), &resultWindow);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, &resultWindow,
                     [&resultWindow, &experiment, handler] {
                         RunHandler([&] {
                             QWidget *parent = DialogParent(&resultWindow);
                             if (resultWindow.Recalculated() || MayTakeOldResults(parent))
                                 handler(parent, experiment);
                         });
                     });
    resultWindow.addAction(action);
    return action;
}

} // namespace

std::vector<QAction *> AddReportActions(TForm_Result &resultWindow, TForm_Graphic &graphWindow,
                                        Experiment &experiment) {
    QAction *print = AddAction(resultWindow, experiment, "PrintReport",
                               QT_TRANSLATE_NOOP("Menu", "Друкувати звіт…"), PrintReport);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    QAction *save = AddAction(resultWindow, experiment, "SaveReportPdf",
                              QT_TRANSLATE_NOOP("Menu", "Зберегти звіт у PDF…"), SaveReport);
    graphWindow.addActions({print, save});
    QMenu *chartMenu = graphWindow.Interaction().Menu();
    chartMenu->addSeparator();
    chartMenu->addActions({print, save});
    return {print, save};
}

} // namespace kvr
