#include "GroupDialog.h"

#include "ExperimentDialogs.h"
#include "FileNames.h"
#include "GroupCheck.h"
#include "GroupReports.h"
#include "MessageBoxes.h"
#include "NativeNames.h"
#include "Titles.h"
#include "Workbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Group", text); }

QString AskFolder(QWidget *parent, const QString &start) {
    QFileDialog dialog(parent, Tr(QT_TRANSLATE_NOOP("Group", "Тека з дослідами групи")), start);
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool Asked(QWidget *parent, const char *name, const QString &text, const char *yes,
           const char *no) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QString::fromLatin1(name));
    box.button(QMessageBox::Yes)->setText(Tr(yes));
    box.button(QMessageBox::No)->setText(Tr(no));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

// The files checked one at a time; the progress dialog keeps the window answering between
// them. Returns false when the teacher cancelled.
bool CheckAll(QWidget *parent, const QList<QByteArray> &files, GroupCheck &group, Workbook &book,
              GroupReports *reports, QStringList &written, QStringList &problems) {
    QProgressDialog progress(Tr(QT_TRANSLATE_NOOP("Group", "Перевіряються досліди групи…")),
                             Tr(QT_TRANSLATE_NOOP("Group", "Скасувати")), 0, int(files.size()),
                             parent);
    progress.setObjectName(QStringLiteral("GroupProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    for (qsizetype k = 0; k < files.size(); ++k) {
        progress.setValue(int(k));
        if (progress.wasCanceled())
            return false;
        const CheckedFile checked = group.Check(files[k]);
        book.Add(checked);
        if (!reports)
            continue;
        if (const ReportOutcome outcome = reports->Write(checked))
            written << outcome->path;
        else
            problems << outcome.Error().Reason(FileAction::Save);
    }
    progress.setValue(int(files.size()));
    return !progress.wasCanceled();
}

void Finished(QWidget *parent, const QString &path, const StatusCounts &counts,
              const QStringList &problems) {
    QString text = Tr(QT_TRANSLATE_NOOP("Group", "Таблицю групи збережено у файл «%1».\n%2."))
                       .arg(QDir::toNativeSeparators(path), SummaryText(counts));
    if (!problems.isEmpty())
        text += QLatin1Char('\n') + problems.join(QLatin1Char('\n'));
    if (!Asked(parent, "GroupDoneBox",
               text + QStringLiteral("\n\n") + Tr(QT_TRANSLATE_NOOP("Group", "Відкрити таблицю?")),
               QT_TRANSLATE_NOOP("Group", "Відкрити"), QT_TRANSLATE_NOOP("Group", "Закрити")))
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowMessage(QMessageBox::Warning,
                    Tr(QT_TRANSLATE_NOOP("Group", "Не вдалося відкрити «%1»: у системі немає "
                                                  "програми для електронних таблиць."))
                        .arg(QDir::toNativeSeparators(path)),
                    parent, "OpenWorkbookFailureBox");
}

} // namespace

void CheckGroupAsked(QWidget *parent, const QString &startFolder) {
    const QString folder = AskFolder(parent, startFolder);
    if (folder.isEmpty())
        return;
    const QList<QByteArray> files = ExperimentFilesIn(QFile::encodeName(folder));
    if (files.isEmpty()) {
        ShowMessage(QMessageBox::Information,
                    Tr(QT_TRANSLATE_NOOP("Group", "У теці «%1» немає файлів дослідів (*.kvr)."))
                        .arg(QDir::toNativeSeparators(folder)),
                    parent, "NoExperimentsBox");
        return;
    }
    const QString suggested = SuggestedFileName(QFileInfo(folder).fileName(), QDate::currentDate(),
                                                FileExtension(FileKind::Workbook));
    const QString path = AskSavePath(parent, FileKind::Workbook, folder, suggested);
    if (path.isEmpty())
        return;
    const QString reportFolder = QFileInfo(path).absolutePath();
    const bool withReports = Asked(
        parent, "GroupReportsBox",
        Tr(QT_TRANSLATE_NOOP("Group", "Скласти ще й звіт PDF кожного досліду в теці «%1»?"))
            .arg(QDir::toNativeSeparators(reportFolder)),
        QT_TRANSLATE_NOOP("Group", "Скласти звіти"), QT_TRANSLATE_NOOP("Group", "Лише таблицю"));
    GroupCheck group;
    Workbook book;
    GroupReports reports(reportFolder);
    QStringList written, problems;
    if (!CheckAll(parent, files, group, book, withReports ? &reports : nullptr, written,
                  problems)) {
        // A cancelled run leaves nothing: the workbook was never written, and the reports
        // it made are its own, never a file that was there before.
        for (const QString &report : written)
            QFile::remove(report);
        return;
    }
    if (const Expected<void> saved = book.Save(path); !saved) {
        ShowFailure(parent, FileKind::Workbook, FileAction::Save, path, saved.Error());
        return;
    }
    Finished(parent, path, group.Counts(), problems);
}

} // namespace kvr
