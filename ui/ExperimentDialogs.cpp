#include "ExperimentDialogs.h"

#include "Handler.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace kvr {

namespace {

// Where the last file was opened or saved, so that a second file is found next to it.
QString &LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

} // namespace

QString SuggestedExperimentName(const QString &userName, QDate date) {
    QString name = userName.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.replace(QLatin1Char('\\'), QLatin1Char('-'));
    if (!name.isEmpty())
        name += QLatin1Char(' ');
    return name + date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".kvr");
}

QString AskExperimentPath(QWidget *parent, FileAction action, const QString &suggestedName) {
    const bool saving = action == FileAction::Save;
    QFileDialog dialog(parent,
                       QString::fromUtf8(saving ? "Зберегти дослід" : "Відкрити дослід"),
                       LastFolder(), QString::fromUtf8("Досліди KVR (*.kvr)"));
    dialog.setObjectName(QStringLiteral("ExperimentFileDialog"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("kvr"));
    if (saving)
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

QString ExperimentFailureText(FileAction action, const QString &path, const std::string &reason) {
    const QString text = QString::fromUtf8(action == FileAction::Save
                                               ? "Не вдалося зберегти дослід «%1»: %2. "
                                                 "Файл на диску не змінено."
                                               : "Не вдалося відкрити дослід «%1»: %2.");
    return text.arg(QDir::toNativeSeparators(path), QString::fromStdString(reason));
}

void ShowExperimentFailure(QWidget *parent, FileAction action, const QString &path,
                           const std::string &reason) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                    ExperimentFailureText(action, path, reason), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ExperimentFileBox"));
    box.exec();
}

} // namespace kvr
