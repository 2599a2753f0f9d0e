#include "preview/browser/localfileguard.h"

#include <QFileInfo>
#include <QUrl>

namespace {

// The folder a page's relative addresses start from, with the links in its path followed.
QString canonicalFolderOf(const QUrl &page)
{
    return QFileInfo(QFileInfo(page.toLocalFile()).absolutePath()).canonicalFilePath();
}

} // namespace

void LocalFileGuard::enter(const QUrl &page)
{
    folder_ = page.isLocalFile() ? canonicalFolderOf(page) : QString();
    if (folder_.isEmpty())
        return;
    entered_.removeAll(folder_);
    entered_.append(folder_);
}

void LocalFileGuard::returnTo(const QUrl &page)
{
    for (auto folder = entered_.crbegin(); folder != entered_.crend(); ++folder) {
        if (holds(*folder, page)) {
            folder_ = *folder;
            return;
        }
    }
    enter(page);
}

bool LocalFileGuard::mayLoad(const QUrl &address) const
{
    return !address.isLocalFile() || holds(folder_, address);
}

bool LocalFileGuard::holds(const QString &folder, const QUrl &address) const
{
    if (folder.isEmpty())
        return false;
    const QFileInfo file(QFileInfo(address.toLocalFile()).canonicalFilePath());
    const QString inside = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return file.isFile() && file.filePath().startsWith(inside);
}
