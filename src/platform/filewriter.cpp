#include "platform/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// Returns the error text, or a null string when written.
QString writeBeside(const QString &target, const QByteArray &bytes)
{
    QSaveFile file(target);
    // A folder that refuses new files cannot take the file beside; the file itself may
    // still be writable.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a failing write reports its own reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes) || !file.commit())
        return file.errorString();
    return {};
}

// For devices and pipes, which cannot be renamed over.
QString writeInPlace(const QString &target, const QByteArray &bytes)
{
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes))
        return file.errorString();
    return {};
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
    const bool isSpecial = target.exists() && !target.isFile();
    const QString error = isSpecial ? writeInPlace(target.filePath(), bytes)
                                    : writeBeside(target.filePath(), bytes);
    if (error.isNull())
        return {};
    return {explainFailure(target, error)};
}

} // namespace platform
