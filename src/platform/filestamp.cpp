#include "platform/filestamp.h"

#include <QFile>

#include <sys/stat.h>

namespace platform {

FileStamp FileStamp::of(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {path};
    return {path, qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
            quint64(status.st_ino)};
}

} // namespace platform
