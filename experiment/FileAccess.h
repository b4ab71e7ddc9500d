// Reading and writing whole files so that nothing a student had is lost: a write either
// replaces the file completely or leaves it byte for byte, and a read takes only an
// ordinary file. Each failure is named by what the system reported at the moment it
// happened, since QFileDevice's error codes cannot tell a full disk from a read-only one.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <variant>

namespace kvr {

enum class FileProblem {
    DiskFull,
    ReadOnlyDisk,
    NoPermission,
    Missing, // the file, or a folder on its way
    IsFolder,
    LinkLoop,
    NotOrdinaryFile, // a pipe or a device: never read, so nothing waits on it
    TooLarge,
    NameTooLong,
    Other,
};

enum class FileAction { Open, Save };

struct FileFailure {
    FileProblem problem = FileProblem::Other;
    int error = 0; // errno, where the system gave one
    bool operator==(const FileFailure &) const = default;
};

FileFailure FailureOfErrno(int error);

// Why, in words a student can act on (Ukrainian).
std::string FailureReason(const FileFailure &failure, FileAction action);

// The largest file read: the size the reason for a larger one names.
inline constexpr qint64 kMaxReadBytes = 1 << 20;

using FileRead = std::variant<QByteArray, FileFailure>;
FileRead ReadOrdinaryFile(const QString &path, qint64 maxBytes = kMaxReadBytes);
// The same, at a path given as the system's bytes.
FileRead ReadOrdinaryFileAt(const QByteArray &nativePath, qint64 maxBytes = kMaxReadBytes);

// Writes through QSaveFile, seeing every failed write and the sync before the old file is
// replaced; on failure neither the old file nor a temporary one is changed or left.
std::variant<std::monostate, FileFailure> WriteWholeFile(const QString &path,
                                                         const QByteArray &bytes);

} // namespace kvr
