#include "FileList.h"

#include "FileAccess.h"
#include "NativeNames.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

namespace kvr {

namespace {

bool IsFolder(const QByteArray &path) {
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A list from a pipe or a terminal is read to its end; only a regular file could be too large.
std::optional<QByteArray> ReadList(const QString &listFile) {
    QFile file;
    const bool opened = listFile == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(QFile::decodeName(NativeBytes(listFile))),
                               file.open(QIODevice::ReadOnly));
    if (!opened)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

FileList ExpandedFiles(const QStringList &arguments, const QString &listFile, bool nullSeparated) {
    FileList list;
    for (const QString &argument : arguments) {
        const QByteArray path = NativeBytes(argument);
        if (IsFolder(path))
            list.files << ExperimentFilesIn(path);
        else
            list.files << path;
    }
    if (listFile.isEmpty())
        return list;
    const std::optional<QByteArray> names = ReadList(listFile);
    if (!names) {
        list.problem =
            QCoreApplication::translate("CommandLine", "не вдалося прочитати список файлів «%1»")
                .arg(listFile == QLatin1String("-") ? listFile
                                                    : ReadableName(NativeBytes(listFile)));
        return list;
    }
    for (const QByteArray &name : names->split(nullSeparated ? '\0' : '\n'))
        if (!name.isEmpty())
            list.files << name;
    return list;
}

} // namespace kvr
