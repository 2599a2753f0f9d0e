#include "platform/inplacewriter.h"

#include "platform/filereader.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

PositionedWrite positionedWrite = ::pwrite;

// Closes the descriptor however the function ends.
struct OpenFile {
    int fd;
    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
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
int replaceContent(int fd, const QByteArray &bytes)
{
    if (const int error = writeAt(fd, bytes))
        return error;
    if (::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

QString notReserved(qsizetype size, int error)
{
    return QStringLiteral("保存に必要な %1 バイトの領域を確保できないため、保存を取りやめました"
                          "（%2）。ファイルは元のままです。")
        .arg(size)
        .arg(systemErrorText(error));
}

QString restored(int error, bool restoredWhole)
{
    return systemErrorText(error) +
           (restoredWhole ? QStringLiteral("\nファイルは元の内容に戻しました。")
                          : QStringLiteral("\nファイルを元の内容に戻せませんでした。"));
}

} // namespace

void setPositionedWriteForTesting(PositionedWrite write)
{
    positionedWrite = write ? write : ::pwrite;
}

QString overwriteInPlace(const QString &path, const QByteArray &bytes)
{
    const OpenFile file{
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return systemErrorText(errno);
    struct stat status {};
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return notARegularFileReason();
    QByteArray old(qsizetype(status.st_size), Qt::Uninitialized);
    if (const int error = readAt(file.fd, old))
        return systemErrorText(error);
    if (bytes.size() > old.size()) {
        if (const int error = ::posix_fallocate(file.fd, 0, off_t(bytes.size())))
            return notReserved(bytes.size(), error);
    }
    if (const int error = replaceContent(file.fd, bytes))
        return restored(error, replaceContent(file.fd, old) == 0);
    return {};
}

} // namespace platform
