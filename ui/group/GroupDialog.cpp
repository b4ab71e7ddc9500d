#include "GroupDialog.h"

#include "ExperimentDialogs.h"
#include "FileNames.h"
#include "GroupCheck.h"
#include "GroupChoices.h"
#include "GroupDone.h"
#include "GroupReports.h"
#include "MessageBoxes.h"
#include "NativeNames.h"
#include "Settings.h"
#include "Workbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

namespace kvr {

namespace {

// Apart from the students' folder, which the windows' own dialogs remember.
const QString kGroupFolderKey = QStringLiteral("group/folder");

QString Tr(const char *text) { return QCoreApplication::translate("Group", text); }

QString AskFolder(QWidget *parent, const QString &start) {
    QFileDialog dialog(parent, Tr(QT_TRANSLATE_NOOP("Group", "Тека з дослідами групи")), start);
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    // The experiment files shown beside the folders, so that a folder is seen to hold some.
    dialog.setNameFilter(Tr(QT_TRANSLATE_NOOP("Group", "Файли дослідів (*.kvr)")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString GroupFolder(const QString &studentsFolder) {
    const QString remembered = ProgramSettings().value(kGroupFolderKey).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : studentsFolder;
}

// The files checked one at a time; the progress dialog keeps the window answering between
// them. Returns false when the teacher cancelled.
bool CheckAll(QWidget *parent, const QList<QByteArray> &files, GroupCheck &group, Workbook &book,
              GroupReports *reports, QStringList &written, QStringList &problems) {
    QProgressDialog progress(QString(), Tr(QT_TRANSLATE_NOOP("Group", "Скасувати")), 0,
                             int(files.size()), parent);
    progress.setObjectName(QStringLiteral("GroupProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    for (qsizetype k = 0; k < files.size(); ++k) {
        progress.setLabelText(Tr(QT_TRANSLATE_NOOP("Group", "%1 з %2 — %3"))
                                  .arg(k + 1)
                                  .arg(files.size())
                                  .arg(QFileInfo(ReadableName(files[k])).fileName()));
        progress.setValue(int(k));
        if (progress.wasCanceled())
            return false;
        const CheckedFile checked = group.Check(files[k]);
        book.Add(checked);
        if (!reports)
            continue;
        if (const ReportOutcome outcome = reports->Write(checked); !outcome)
            problems << outcome.Error().Reason(FileAction::Save);
        else if (!outcome->unchanged)
            written << outcome->path;
    }
    progress.setValue(int(files.size()));
    return !progress.wasCanceled();
}

} // namespace

void CheckGroupAsked(QWidget *parent, const QString &startFolder) {
    const QString folder = AskFolder(parent, GroupFolder(startFolder));
    if (folder.isEmpty())
        return;
    ProgramSettings().setValue(kGroupFolderKey, folder);
    const QList<QByteArray> files = ExperimentFilesIn(QFile::encodeName(folder));
    if (files.isEmpty()) {
        ShowMessage(QMessageBox::Information, FolderCountText(QDir::toNativeSeparators(folder), 0),
                    parent, "NoExperimentsBox");
        return;
    }
    const QString suggested = SuggestedFileName(QFileInfo(folder).fileName(), QDate::currentDate(),
                                                FileExtension(FileKind::Workbook));
    const QString path = AskSavePath(parent, FileKind::Workbook, folder, suggested);
    if (path.isEmpty())
        return;
    const std::optional<GroupChoices> choices = AskGroupChoices(parent, folder, files.size(), path);
    if (!choices)
        return;
    const QString reportFolder = QFileInfo(path).dir().filePath(
        choices->reportFolder.isEmpty() ? DefaultReportFolder(path) : choices->reportFolder);
    if (choices->reports && !QDir().mkpath(reportFolder)) {
        ShowMessage(QMessageBox::Warning,
                    Tr(QT_TRANSLATE_NOOP("Group", "Теку звітів «%1» не створити."))
                        .arg(QDir::toNativeSeparators(reportFolder)),
                    parent, "ReportFolderFailureBox");
        return;
    }
    GroupCheck group(choices->limits);
    Workbook book;
    GroupReports reports(reportFolder, choices->checker);
    QStringList written, problems;
    if (!CheckAll(parent, files, group, book, choices->reports ? &reports : nullptr, written,
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
    ShowGroupDone(parent, {path, group.Counts(),
                           choices->reports ? std::optional(reports.Tally()) : std::nullopt,
                           reportFolder, problems});
}

} // namespace kvr
