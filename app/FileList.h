// The experiment files a batch run takes, as the system's bytes: each argument a file, or
// a folder standing for every *.kvr in it, then the names a list file holds. A group of
// thousands fits no command line, and its names need not be UTF-8.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kvr {

struct FileList {
    QList<QByteArray> files;
    QString problem; // why the list file could not be read; the run does not start
};

// `arguments` as ArgumentText gave them; `listFile` empty for none, "-" for standard input,
// its names one a line, or separated by NUL bytes when `nullSeparated`.
FileList ExpandedFiles(const QStringList &arguments, const QString &listFile, bool nullSeparated);

} // namespace kvr
