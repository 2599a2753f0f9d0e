#include "platform/filereader.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform {
namespace {

using Failure = FileReadResult::Failure;

FileReadResult failed(Failure failure, const QString &reason)
{
    return {{}, failure, reason};
}

FileReadResult tooLarge(qint64 maxBytes)
{
    const QString bound = maxBytes >= (1 << 20) ? QStringLiteral("%1 MB").arg(maxBytes >> 20)
                                                : QStringLiteral("%1 バイト").arg(maxBytes);
    return failed(Failure::TooLarge,
                  QStringLiteral("ファイルが大きすぎます（%1まで）。").arg(bound));
}

// Reads to the end, which may come before or after the size the file had when it was
// opened; one byte past the bound is enough to know it is too large.
FileReadResult readOpenFile(int fd, qint64 expected, qint64 maxBytes)
{
    QByteArray bytes(qMin(expected, maxBytes) + 1, Qt::Uninitialized);
    qint64 used = 0;
    while (true) {
        if (used == bytes.size()) {
            if (used > maxBytes)
                return tooLarge(maxBytes);
            bytes.resize(qMin(used * 2, maxBytes + 1));
        }
        const ssize_t count = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return failed(Failure::Unreadable, systemErrorText(errno));
        if (count == 0)
            break;
        used += count;
    }
    if (used > maxBytes)
        return tooLarge(maxBytes);
    bytes.truncate(used);
    return {bytes, Failure::None, {}};
}

} // namespace

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notARegularFileReason()
{
    return QStringLiteral("通常のファイルではありません（デバイス、FIFO、ソケットなど）。");
}

QString isAFolderReason()
{
    return QStringLiteral("ファイルではなくフォルダです。");
}

bool isRealRegularFile(int fd, const struct stat &status)
{
    struct statfs fileSystem {};
    if (!S_ISREG(status.st_mode) || ::fstatfs(fd, &fileSystem) != 0)
        return false;
    switch (fileSystem.f_type) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case BPF_FS_MAGIC:
        return false;
    default:
        return true;
    }
}

QString notAFileReason(const struct stat &status)
{
    return S_ISDIR(status.st_mode) ? isAFolderReason() : notARegularFileReason();
}

FileReadResult readWholeFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return failed(Failure::Unreadable, systemErrorText(errno));
    if (S_ISDIR(status.st_mode))
        return failed(Failure::NotRegularFile, isAFolderReason());
    if (!S_ISREG(status.st_mode))
        return failed(Failure::NotRegularFile, notARegularFileReason());
    if (status.st_size > maxBytes)
        return tooLarge(maxBytes);
    // Not blocking, for the file may have been replaced by a FIFO since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(Failure::Unreadable, systemErrorText(errno));
    FileReadResult result = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                                ? readOpenFile(fd, status.st_size, maxBytes)
                                : failed(Failure::NotRegularFile, notAFileReason(status));
    ::close(fd);
    return result;
}

} // namespace platform
