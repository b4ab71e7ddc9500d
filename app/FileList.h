// The experiment files a batch run takes, as the system's bytes: each argument a file, or
// a folder standing for every *.kvr in it, then the names a list file holds. A group of
// thousands fits no command line, and its names need not be UTF-8.
#pragma once

#include "CommandLine.h"
#include "LabLimits.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kvr {

struct FolderFiles {
    QByteArray folder;
    qsizetype files = 0;
};

struct FileList {
    QList<QByteArray> files;
    std::vector<FolderFiles> folders; // each folder argument, and how many files it gave
    QString problem;                  // why the list file could not be read; the run does not start
};

// `arguments` as ArgumentText gave them; `listFile` empty for none, "-" for standard input,
// its names one a line, or separated by NUL bytes when `nullSeparated`.
FileList ExpandedFiles(const QStringList &arguments, const QString &listFile, bool nullSeparated);
// Before a run: how many experiment files each folder holds, a line each, so that a teacher
// sees at once a folder that gave fewer files than students.
QString FolderCounts(const FileList &list);

struct BatchInputs {
    FileList list;
    LabLimits limits;
};
// What a batch run of `command` takes, the folders' counts said on standard error; or none
// when the list or the limits cannot be read, which is said there too.
std::optional<BatchInputs> StartBatch(const Command &command);

} // namespace kvr
