#include "platform/filestamp.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {
namespace {

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

FileKind kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::File;
    if (S_ISLNK(mode))
        return FileKind::Link;
    return S_ISDIR(mode) ? FileKind::Folder : FileKind::Other;
}

} // namespace

FileStamp FileStamp::of(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    FileStamp stamp;
    stamp.path = path;
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return stamp;
    stamp.kind = kindOf(status.st_mode);
    if (stamp.kind == FileKind::Link)
        stamp.linkTarget = QFileInfo(path).symLinkTarget();
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return stamp;
    stamp.size = qint64(status.st_size);
    stamp.modifiedNs = nanoseconds(status.st_mtim);
    stamp.changedNs = nanoseconds(status.st_ctim);
    stamp.inode = quint64(status.st_ino);
    stamp.device = quint64(status.st_dev);
    return stamp;
}

} // namespace platform
