#include "platform/filewriter.h"

#include "platform/filereader.h"
#include "platform/inplacewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Enough for any sane chain of links, and an end to a loop of them.
constexpr int MaxLinkHops = 40;

QString linkTarget(const QString &path)
{
    QString target = path;
    for (int hop = 0; hop < MaxLinkHops && QFileInfo(target).isSymLink(); ++hop)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

// A write that hits a full disk first writes what fits and says nothing; only the next one
// fails with the reason.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += qsizetype(count);
    }
    return true;
}

// A new file belongs to its writer, and to the folder's group where the folder says so,
// else to the writer's group. Replacing a file by one that differs, or that has other
// names, would change what other users rely on.
bool replacingChangesTheFile(const struct stat &file, const QString &folder)
{
    struct stat folderStatus {};
    if (file.st_nlink > 1 || file.st_uid != ::geteuid() ||
        ::stat(QFile::encodeName(folder).constData(), &folderStatus) != 0)
        return true;
    const gid_t newGroup = (folderStatus.st_mode & S_ISGID) ? folderStatus.st_gid : ::getegid();
    return file.st_gid != newGroup;
}

// Returns the error text, a null string when written, or nullopt when no file could be
// made beside the target.
std::optional<QString> writeBeside(const QString &target, const QByteArray &bytes)
{
    QSaveFile file(target);
    // Unbuffered, so that a failing write reports its own reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return std::nullopt;
    if (!writeAll(file, bytes) || !file.commit())
        return file.errorString();
    return QString();
}

// Whether the file at `path` exists, with its status; an existing one that is no real
// regular file gives the reason it is refused.
std::optional<QString> examine(const QString &path, struct stat &status, bool &exists)
{
    // A path descriptor opens nothing, so a FIFO does not wait for a writer here.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    exists = fd >= 0 && ::fstat(fd, &status) == 0;
    const bool real = exists && isRealRegularFile(fd, status);
    if (fd >= 0)
        ::close(fd);
    if (exists && !real)
        return notAFileReason(status);
    return std::nullopt;
}

QString writeRegularFile(const QFileInfo &target, const QByteArray &bytes)
{
    struct stat status {};
    bool exists = false;
    if (const std::optional<QString> refused = examine(target.filePath(), status, exists))
        return *refused;
    if (exists && replacingChangesTheFile(status, target.absolutePath()))
        return overwriteInPlace(target.filePath(), bytes);
    if (const std::optional<QString> error = writeBeside(target.filePath(), bytes))
        return *error;
    // The folder takes no new file; the file itself may still be writable.
    return exists ? overwriteInPlace(target.filePath(), bytes)
                  : QStringLiteral("フォルダへの書き込みが許可されていません。");
}

QString explainFailure(const QFileInfo &target, const QString &error)
{
    if (target.exists() && !target.isWritable())
        return QStringLiteral("ファイルへの書き込みが許可されていません。");
    if (!target.exists() && !QFileInfo(target.absolutePath()).isWritable())
        return QStringLiteral("フォルダへの書き込みが許可されていません。");
    return error;
}

} // namespace

FileWriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(linkTarget(path));
    if (target.isDir())
        return {QStringLiteral("同じ名前のフォルダがあります。")};
    if (!target.dir().exists())
        return {QStringLiteral("保存先のフォルダがありません。")};
    const QString error = writeRegularFile(target, bytes);
    if (error.isNull())
        return {};
    return {explainFailure(target, error)};
}

} // namespace platform
