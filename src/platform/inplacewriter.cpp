#include "platform/inplacewriter.h"

#include "platform/filereader.h"
#include "platform/savecopy.h"
#include "platform/savesteps.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

PositionedWrite positionedWrite = ::pwrite;

// The regular file at a path, open for reading and writing, never through a link; closed
// however the function ends.
struct OpenFile {
    int fd = -1;
    struct stat status {};
    // Why it is not open, for the user; null when it is.
    QString failure;

    explicit OpenFile(const QString &path)
        : fd(::open(QFile::encodeName(path).constData(),
                    O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC))
    {
        if (fd < 0 || ::fstat(fd, &status) != 0)
            failure = systemErrorText(errno);
        else if (!isRealRegularFile(fd, status))
            failure = notAFileReason(status);
    }
    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;
};

// Returns 0, or the errno that stopped it.
int writeAt(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = positionedWrite(fd, bytes.constData() + written,
                                              size_t(bytes.size() - written), off_t(written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : ENOSPC;
        written += count;
    }
    return 0;
}

int readAt(int fd, QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count =
            ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : EIO;
        done += count;
    }
    return 0;
}

// Writes the content and cuts the file to its length; 0 or the errno that stopped it.
int writeContent(int fd, const QByteArray &bytes)
{
    if (const int error = writeAt(fd, bytes))
        return error;
    return ::ftruncate(fd, off_t(bytes.size())) == 0 ? 0 : errno;
}

int replaceContent(int fd, const QByteArray &bytes)
{
    if (const int error = writeContent(fd, bytes))
        return error;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Reserves the blocks without changing the file's size, so the file still holds exactly
// its old content; where the file system cannot, the portable call fills the tail in.
int reserve(int fd, qsizetype size, qsizetype current)
{
    if (size <= current)
        return 0;
    // Blocks beyond the size are not held to the process's file size limit; the write is.
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        rlim_t(size) > limit.rlim_cur)
        return EFBIG;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size)) == 0)
        return 0;
    if (errno != EOPNOTSUPP)
        return errno;
    return ::posix_fallocate(fd, 0, off_t(size));
}

QString notReserved(qsizetype size, int error)
{
    return QStringLiteral("保存に必要な %1 バイトの領域を確保できないため、保存を取りやめました"
                          "（%2）。ファイルは元のままです。")
        .arg(size)
        .arg(systemErrorText(error));
}

QString noCopy(const QString &reason)
{
    return QStringLiteral("保存前の内容の控えを作れないため、保存を取りやめました（%1）。"
                          "ファイルは元のままです。")
        .arg(reason);
}

QString restored(int error, bool restoredWhole)
{
    return systemErrorText(error) +
           (restoredWhole ? QStringLiteral("\nファイルは元の内容に戻しました。")
                          : QStringLiteral("\nファイルを元の内容に戻せませんでした。"));
}

// After a failed write: the old content goes back, and its copy only once it is back.
QString putBack(int fd, const QByteArray &old, const QString &copy, int error)
{
    const bool whole = replaceContent(fd, old) == 0;
    if (whole)
        removeCopy(copy);
    return restored(error, whole);
}

// Writes `bytes` over the file and makes them reach the disk, stepping as it goes; 0, or the
// errno that stopped it.
int writeSynced(int fd, const QByteArray &bytes)
{
    if (const int error = writeContent(fd, bytes))
        return error;
    if (!goesOnAfter(SaveStep::ContentWritten))
        return 0;
    if (::fsync(fd) != 0)
        return errno;
    goesOnAfter(SaveStep::ContentSynced);
    return 0;
}

void removeSaved(const QString &copy)
{
    removeCopy(copy);
    goesOnAfter(SaveStep::CopyRemoved);
}

} // namespace

void setPositionedWriteForTesting(PositionedWrite write)
{
    positionedWrite = write ? write : ::pwrite;
}

QString overwriteInPlace(const QString &path, const QByteArray &bytes)
{
    const OpenFile file(path);
    if (!file.failure.isNull())
        return file.failure;
    QByteArray old(qsizetype(file.status.st_size), Qt::Uninitialized);
    if (const int error = readAt(file.fd, old))
        return systemErrorText(error);
    const KeptCopy copy = keepCopy(path, old, bytes);
    if (copy.path.isEmpty())
        return noCopy(copy.failure);
    if (!goesOnAfter(SaveStep::CopyKept))
        return {};
    if (const int error = reserve(file.fd, bytes.size(), old.size())) {
        removeCopy(copy.path);
        return notReserved(bytes.size(), error);
    }
    if (!goesOnAfter(SaveStep::SpaceReserved))
        return {};
    if (const int error = writeSynced(file.fd, bytes))
        return putBack(file.fd, old, copy.path, error);
    if (!saveStopped())
        removeSaved(copy.path);
    return {};
}

QString restoreInPlace(const QString &path, const QByteArray &old, const QString &copy)
{
    // The copy was kept of the file the path led to when it was saved.
    const QString real = QFileInfo(path).canonicalFilePath();
    const OpenFile file(real.isEmpty() ? path : real);
    if (!file.failure.isNull())
        return file.failure;
    int error = reserve(file.fd, old.size(), qsizetype(file.status.st_size));
    if (!error && !goesOnAfter(SaveStep::SpaceReserved))
        return {};
    if (!error)
        error = writeSynced(file.fd, old);
    if (error)
        return systemErrorText(error);
    if (!saveStopped())
        removeSaved(copy);
    return {};
}

} // namespace platform
