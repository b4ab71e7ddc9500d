#include "FileFailure.h"

#include "Expected.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace kvr {

FileFailure FailureOfErrno(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return {FileProblem::DiskFull, error};
    case EROFS:
        return {FileProblem::ReadOnlyDisk, error};
    case EACCES:
    case EPERM:
        return {FileProblem::NoPermission, error};
    case ENOENT:
    case ENOTDIR:
        return {FileProblem::Missing, error};
    case EISDIR:
        return {FileProblem::IsFolder, error};
    case ELOOP:
        return {FileProblem::LinkLoop, error};
    case ENAMETOOLONG:
        return {FileProblem::NameTooLong, error};
    default:
        return {FileProblem::Other, error};
    }
}

namespace {

std::string Tr(const char *text) { return QCoreApplication::translate("File", text).toStdString(); }

} // namespace

std::string FailureReason(const FileFailure &failure, FileAction action) {
    const bool saving = action == FileAction::Save;
    switch (failure.problem) {
    case FileProblem::DiskFull:
        return Tr(QT_TRANSLATE_NOOP(
            "File", "на диску забракло місця; звільніть місце або виберіть інший диск"));
    case FileProblem::ReadOnlyDisk:
        return Tr(
            QT_TRANSLATE_NOOP("File", "диск доступний лише для читання; виберіть інший диск"));
    case FileProblem::NoPermission:
        return Tr(
            saving ? QT_TRANSLATE_NOOP(
                         "File", "немає дозволу на запис у цей файл чи папку; виберіть іншу папку")
                   : QT_TRANSLATE_NOOP("File", "немає дозволу на читання цього файлу"));
    case FileProblem::Missing:
        return Tr(saving
                      ? QT_TRANSLATE_NOOP("File", "такої папки немає; виберіть наявну папку")
                      : QT_TRANSLATE_NOOP("File", "такого файлу немає; перевірте назву і папку"));
    case FileProblem::IsFolder:
        return Tr(QT_TRANSLATE_NOOP("File", "це папка, а не файл"));
    case FileProblem::LinkLoop:
        return Tr(
            QT_TRANSLATE_NOOP("File", "символьні посилання на цей файл утворюють замкнене коло"));
    case FileProblem::NotOrdinaryFile:
        return Tr(QT_TRANSLATE_NOOP("File", "це не звичайний файл, а канал чи пристрій"));
    case FileProblem::TooLarge:
        return Tr(QT_TRANSLATE_NOOP("File", "файл більший за 1 МіБ"));
    case FileProblem::NameTooLong:
        return Tr(QT_TRANSLATE_NOOP("File", "назва файлу задовга; виберіть коротшу"));
    case FileProblem::Other:
        break;
    }
    const char *name = failure.error ? ::strerrorname_np(failure.error) : nullptr;
    return QCoreApplication::translate("File", "системна помилка %1")
        .arg(name ? QString::fromLatin1(name) : QCoreApplication::translate("File", "без коду"))
        .toStdString();
}

QString Failure::Reason(FileAction action) const {
    if (const FileFailure *file = File())
        return QString::fromStdString(FailureReason(*file, action));
    return std::get<QString>(m_reason);
}

} // namespace kvr
