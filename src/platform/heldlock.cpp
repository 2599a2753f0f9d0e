#include "platform/heldlock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

// Taken under another name and then renamed, so that no one ever sees the file unlocked and
// takes it for the lock of a program that is gone.
HeldLock::HeldLock(QString path) : path_(std::move(path))
{
    const QByteArray taking = QFile::encodeName(path_ + QStringLiteral(".taking"));
    fd_ = ::open(taking.constData(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 ||
        ::rename(taking.constData(), QFile::encodeName(path_).constData()) != 0) {
        ::unlink(taking.constData());
        ::close(fd_);
        fd_ = -1;
    }
}

HeldLock::~HeldLock()
{
    if (!held())
        return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

bool HeldLock::isHeld(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

} // namespace platform
