#include "ExperimentDialogs.h"

#include "FileNames.h"
#include "MessageBoxes.h"
#include "Titles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Dialogs", text); }

QString RunFileDialog(QWidget *parent, FileKind kind, FileAction action, const QString &start) {
    const bool saving = action == FileAction::Save;
    QFileDialog dialog(
        parent,
        Tr(saving ? TextsOf(kind).saveTitle : QT_TRANSLATE_NOOP("Dialogs", "Відкрити дослід")),
        QString(), Tr(TextsOf(kind).filter));
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The question is ours, asked once the extension is on the name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QFileInfo(start).isDir() ? start : QFileInfo(start).absolutePath());
    if (saving)
        dialog.selectFile(QFileInfo(start).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool MayReplace(QWidget *parent, const QString &path, bool changed) {
    const char *question =
        changed ? QT_TRANSLATE_NOOP("Dialogs", "Файл «%1» змінено на диску після того, як це "
                                               "вікно його відкрило чи зберегло. Замінити його?")
                : QT_TRANSLATE_NOOP("Dialogs", "Файл «%1» уже існує. Замінити його?");
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    Tr(question).arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QLatin1String(changed ? "ChangedFileBox" : "ReplaceFileBox"));
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Dialogs", "Замінити"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Dialogs", "Не замінювати"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

QString AskOpenPath(QWidget *parent, const QString &folder) {
    return RunFileDialog(parent, FileKind::Experiment, FileAction::Open, folder);
}

QString AskSavePath(QWidget *parent, FileKind kind, const QString &folder,
                    const QString &suggestedName, const ChangedOnDisk &changed) {
    QString start = QDir(folder).filePath(suggestedName);
    for (;;) {
        const QString chosen = RunFileDialog(parent, kind, FileAction::Save, start);
        if (chosen.isEmpty())
            return {};
        const QString path = WithExtension(chosen, FileExtension(kind));
        if (!QFileInfo::exists(path) || MayReplace(parent, path, changed && changed(path)))
            return path;
        start = path;
    }
}

void ShowFailure(QWidget *parent, FileKind kind, FileAction action, const QString &path,
                 const Failure &failure) {
    ShowMessage(QMessageBox::Warning, FailureText(kind, action, path, failure), parent,
                "FileFailureBox");
}

namespace {

UnsavedAnswer AskToSave(QWidget *parent, const QString &question, const char *objectName,
                        QMessageBox::StandardButton safe) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QLatin1String(objectName));
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Dialogs", "Зберегти"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("Dialogs", "Не зберігати"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Dialogs", "Скасувати"));
    box.setDefaultButton(safe);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

} // namespace

UnsavedAnswer AskAboutUnsavedChanges(QWidget *parent) {
    return AskToSave(parent, Tr(QT_TRANSLATE_NOOP("Dialogs", "Зберегти зміни в досліді?")),
                     "UnsavedChangesBox", QMessageBox::Save);
}

// Saving is not the safe answer here: it would write over what the other window saved.
UnsavedAnswer AskAboutChangedFile(QWidget *parent, const QString &path) {
    return AskToSave(
        parent,
        Tr(QT_TRANSLATE_NOOP("Dialogs", "Файл «%1» змінено на диску після того, як це вікно "
                                        "його відкрило чи зберегло: дослід, який показують "
                                        "поля, у ньому вже не збережено. Зберегти його?"))
            .arg(QDir::toNativeSeparators(path)),
        "LeaveChangedFileBox", QMessageBox::Cancel);
}

} // namespace kvr
