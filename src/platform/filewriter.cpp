#include "platform/filewriter.h"

#include "platform/filereader.h"
#include "platform/inplacewriter.h"
#include "platform/savesteps.h"
#include "platform/syncedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
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

// The new content on its way to `target`: a fixed name beside it, so that one left by a save
// cut short is found and goes at the next save.
QByteArray newFileBeside(const QString &target)
{
    const QFileInfo file(target);
    return QFile::encodeName(file.absolutePath() + QStringLiteral("/.") + file.fileName() +
                             QStringLiteral(".zurne-new"));
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

// Writes the new file beside `target`, synced, and renames it over the target, which keeps
// the permissions of `replaced` when there is one. Returns the error text, a null string
// when written, or nullopt when no file could be made beside the target.
std::optional<QString> writeBeside(const QString &target, const QByteArray &bytes,
                                   const struct stat *replaced)
{
    const QByteArray name = newFileBeside(target);
    ::unlink(name.constData());
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return std::nullopt;
    int error = writeAll(fd, bytes);
    if (!error && replaced && ::fchmod(fd, replaced->st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    if (!error && !goesOnAfter(SaveStep::NewFileWritten))
        return QString();
    if (!error && ::rename(name.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(name.constData());
        return systemErrorText(error);
    }
    if (goesOnAfter(SaveStep::NewFileRenamed))
        syncFolderOf(target);
    return QString();
}

// Whether the file at `path` exists, with its status; an existing one that is no real
// regular file gives the reason it is refused.
std::optional<QString> examine(const QString &path, struct stat &status, bool &exists)
{
    // A path descriptor opens nothing, so a FIFO does not wait for a writer here; a link
    // that came after the links were followed is not followed either.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
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
    if (exists && replacingChangesTheFile(status, target.absolutePath())) {
        // A new file left by an earlier save cut short is no use to this one.
        ::unlink(newFileBeside(target.filePath()).constData());
        return overwriteInPlace(target.filePath(), bytes);
    }
    if (const std::optional<QString> error =
            writeBeside(target.filePath(), bytes, exists ? &status : nullptr))
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

FileWriteResult writeWholeFile(const QString &path, const QByteArray &bytes, Links links)
{
    if (links == Links::Replace && QFileInfo(path).isSymLink())
        return {writeBeside(path, bytes, nullptr)
                    .value_or(QStringLiteral("フォルダへの書き込みが許可されていないため、"
                                             "リンクをファイルに置き換えられません。"))};
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
