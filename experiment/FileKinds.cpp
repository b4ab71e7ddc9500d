#include "FileKinds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kvr {

const FileKindTexts &TextsOf(FileKind kind) {
    static const FileKindTexts experiment{QT_TRANSLATE_NOOP("Dialogs", "Зберегти дослід"),
                                          QT_TRANSLATE_NOOP("Dialogs", "Досліди KVR (*.kvr)"),
                                          "kvr", QT_TRANSLATE_NOOP("Dialogs", "дослід")};
    static const FileKindTexts report{QT_TRANSLATE_NOOP("Dialogs", "Зберегти звіт у PDF"),
                                      QT_TRANSLATE_NOOP("Dialogs", "Документ PDF (*.pdf)"), "pdf",
                                      QT_TRANSLATE_NOOP("Dialogs", "звіт у файл")};
    static const FileKindTexts workbook{
        QT_TRANSLATE_NOOP("Dialogs", "Зберегти таблицю групи"),
        QT_TRANSLATE_NOOP("Dialogs", "Книга електронної таблиці (*.xlsx)"), "xlsx",
        QT_TRANSLATE_NOOP("Dialogs", "таблицю групи у файл")};
    // Only the command line writes a TSV table: no dialog offers it.
    static const FileKindTexts table{"", "", "tsv",
                                     QT_TRANSLATE_NOOP("Dialogs", "таблицю групи у файл")};
    switch (kind) {
    case FileKind::Experiment:
        return experiment;
    case FileKind::Report:
        return report;
    case FileKind::Workbook:
        return workbook;
    case FileKind::Table:
        break;
    }
    return table;
}

QString FileExtension(FileKind kind) { return QString::fromLatin1(TextsOf(kind).extension); }

QString FailureText(FileKind kind, FileAction action, const QString &path, const Failure &failure) {
    if (action == FileAction::Open)
        return QCoreApplication::translate("Dialogs", "Не вдалося відкрити дослід «%2»: %3.")
            .arg(QDir::toNativeSeparators(path), failure.Reason(action));
    const QString text = QCoreApplication::translate("Dialogs", "Не вдалося зберегти %1 «%2»: %3.")
                             .arg(QCoreApplication::translate("Dialogs", TextsOf(kind).failure),
                                  QDir::toNativeSeparators(path), failure.Reason(action));
    // Where nothing stood, no file on the disk could have been kept.
    const QFileInfo there(path);
    if (!there.exists() && !there.isSymLink())
        return text;
    return text + QLatin1Char(' ') +
           QCoreApplication::translate("Dialogs", "Файл на диску не змінено.");
}

} // namespace kvr
