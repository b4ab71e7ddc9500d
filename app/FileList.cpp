#include "FileList.h"

#include "Console.h"
#include "FileAccess.h"
#include "GroupCheck.h"
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
        if (IsFolder(path)) {
            const QList<QByteArray> files = ExperimentFilesIn(path);
            list.folders.push_back({path, files.size()});
            list.files << files;
        } else
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
    for (QByteArray name : names->split(nullSeparated ? '\0' : '\n')) {
        // A list written on Windows ends its lines with CR LF.
        if (!nullSeparated && name.endsWith('\r'))
            name.chop(1);
        if (!name.isEmpty())
            list.files << name;
    }
    return list;
}

QString FolderCounts(const FileList &list) {
    QStringList lines;
    for (const FolderFiles &folder : list.folders)
        lines << FolderCountText(ReadableName(folder.folder), folder.files);
    return lines.join(QLatin1Char('\n'));
}

std::optional<BatchInputs> StartBatch(const Command &command) {
    FileList list = ExpandedFiles(command.files, command.listFile, command.nullSeparated);
    if (!list.problem.isEmpty()) {
        WriteError(QStringLiteral("kvr: ") + list.problem);
        return std::nullopt;
    }
    Expected<LabLimits> limits = LabLimits::Read(QFile::decodeName(NativeBytes(command.limits)));
    if (!limits) {
        WriteError(QStringLiteral("kvr: ") + limits.Error().Reason(FileAction::Open));
        return std::nullopt;
    }
    if (const QString counts = FolderCounts(list); !counts.isEmpty())
        WriteError(counts);
    return BatchInputs{std::move(list), std::move(*limits)};
}

} // namespace kvr
