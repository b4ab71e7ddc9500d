#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr {

namespace {

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

FileFailure LastFailure() { return FailureOfErrno(errno); }

// Whether what stands at the path now may be replaced; nothing there may.
Expected<void> CheckTarget(const QByteArray &target) {
    struct stat info {};
    if (::stat(target.constData(), &info) != 0)
        return errno == ENOENT ? Expected<void>() : LastFailure();
    if (S_ISDIR(info.st_mode))
        return FileFailure{FileProblem::IsFolder, EISDIR};
    if (!S_ISREG(info.st_mode))
        return FileFailure{FileProblem::NotOrdinaryFile, 0};
    return {};
}

// QSaveFile could not start its temporary file: ask the folder itself why. A link is
// written through to its target, so the target's folder is the one asked.
FileFailure CreationFailure(const QString &path) {
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0)
        return LastFailure();
    if (!S_ISDIR(info.st_mode))
        return {FileProblem::Missing, ENOTDIR};
    QByteArray probe = folder + "/.kvr-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return LastFailure();
    ::close(fd);
    ::unlink(probe.constData());
    // The folder takes new files, so the old file itself refused: QSaveFile opens only a
    // file its user may write.
    return {FileProblem::NoPermission, EACCES};
}

Expected<void> WriteAll(int fd, const QByteArray &bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno != EINTR)
            return LastFailure();
        written += n > 0 ? n : 0;
    }
    if (::fsync(fd) != 0)
        return LastFailure();
    return {};
}

} // namespace

Expected<QByteArray> ReadOrdinaryFile(const QString &path, qint64 maxBytes) {
    return ReadOrdinaryFileAt(QFile::encodeName(path), maxBytes);
}

Expected<QByteArray> ReadOrdinaryFileAt(const QByteArray &nativePath, qint64 maxBytes) {
    const Descriptor fd(
        ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0)
        return LastFailure();
    if (S_ISDIR(info.st_mode))
        return FileFailure{FileProblem::IsFolder, EISDIR};
    if (!S_ISREG(info.st_mode))
        return FileFailure{FileProblem::NotOrdinaryFile, 0};
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (ssize_t n = 1; n != 0 && total < bytes.size();) {
        n = ::read(fd.Get(), bytes.data() + total, size_t(bytes.size() - total));
        if (n < 0 && errno != EINTR)
            return LastFailure();
        total += n > 0 ? n : 0;
    }
    if (total > maxBytes)
        return FileFailure{FileProblem::TooLarge, EFBIG};
    bytes.truncate(total);
    return bytes;
}

Expected<void> WriteWholeFile(const QString &path, const QByteArray &bytes) {
    if (Expected<void> target = CheckTarget(QFile::encodeName(path)); !target)
        return target;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CreationFailure(path);
    if (Expected<void> written = WriteAll(file.handle(), bytes); !written) {
        file.cancelWriting();
        return written;
    }
    errno = 0;
    if (!file.commit())
        return errno ? LastFailure() : FileFailure{};
    return {};
}

} // namespace kvr
