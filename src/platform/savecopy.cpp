#include "platform/savecopy.h"

#include "platform/filereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

const QString CopySuffix = QStringLiteral(".zurne-copy");

QString stateFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules ignore a relative path.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/zurne");
}

// Both places the copy of `path` may be, beside the file first.
QStringList copyPlaces(const QString &path)
{
    const QFileInfo file(path);
    const QString real =
        file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
    const QFileInfo canonical(real);
    QString flattened = real;
    flattened.replace(QLatin1Char('/'), QLatin1Char('%'));
    return {canonical.absolutePath() + QStringLiteral("/.") + canonical.fileName() + CopySuffix,
            stateFolder() + QLatin1Char('/') + flattened + CopySuffix};
}

bool syncFolderOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// 0, or the errno that stopped it. Only the user may read the copy: the file may be
// another user's.
int writeSynced(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int error = 0;
    for (qsizetype done = 0; done < bytes.size() && !error;) {
        const ssize_t count = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (count > 0)
            done += count;
        else if (count == 0 || errno != EINTR)
            error = count == 0 ? ENOSPC : errno;
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    if (!error && !syncFolderOf(path))
        error = errno;
    if (error)
        ::unlink(QFile::encodeName(path).constData());
    return error;
}

} // namespace

KeptCopy keepCopy(const QString &path, const QByteArray &old)
{
    const QStringList places = copyPlaces(path);
    int error = writeSynced(places[0], old);
    if (!error)
        return {places[0], {}};
    if (!QDir().mkpath(stateFolder()))
        return {{}, systemErrorText(error)};
    error = writeSynced(places[1], old);
    if (!error)
        return {places[1], {}};
    return {{}, systemErrorText(error)};
}

QString leftCopy(const QString &path)
{
    for (const QString &place : copyPlaces(path)) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return {};
}

} // namespace platform
