// What the system reports when a file cannot be read or written, named by what a person can
// act on. QFileDevice's error codes cannot tell a full disk from a read-only one, so each
// failure is taken from errno at the moment it happened.
#pragma once

#include <string>

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

// Why, in words a student can act on, in the interface's language.
std::string FailureReason(const FileFailure &failure, FileAction action);

} // namespace kvr
