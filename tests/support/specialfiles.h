#pragma once

// Files that are not regular files, made in a test's folder: a FIFO, a socket, a symbolic
// link to an endless device.

#include <QFile>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace specialfiles {

// Each returns the path it made, or an empty string.
inline QString makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// The socket stays bound, and its file in place, until the test's folder goes.
inline QString makeSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path)
        return {};
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
        return {};
    return path;
}

inline QString linkToEndlessDevice(const QString &path)
{
    return QFile::link(QStringLiteral("/dev/zero"), path) ? path : QString();
}

// Makes the named kind of special file at `path`: "fifo", "socket" or "endless".
inline QString make(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("fifo"))
        return makeFifo(path);
    if (kind == QLatin1String("socket"))
        return makeSocket(path);
    return linkToEndlessDevice(path);
}

} // namespace specialfiles
