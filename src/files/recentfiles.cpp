#include "files/recentfiles.h"

#include "files/filecommands.h"
#include "platform/platform.h"
#include "platform/settings.h"

#include <QFileInfo>

namespace {

const QString SettingsApp = QStringLiteral("VEK");
const QString SettingsSection = QStringLiteral("Recent");

QString keyOf(qsizetype index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFiles::RecentFiles(const QStringList &paths)
{
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        add(*path);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    paths_.removeAll(path);
    paths_.prepend(path);
    if (paths_.size() > Limit)
        paths_.resize(Limit);
}

void RecentFiles::remove(const QString &path)
{
    paths_.removeAll(path);
}

RecentFiles RecentFiles::stored()
{
    QStringList paths;
    for (qsizetype i = 0; i < Limit; ++i)
        paths << platform::GetSetting(SettingsApp, SettingsSection, keyOf(i), QString());
    return RecentFiles(paths);
}

void RecentFiles::store() const
{
    for (qsizetype i = 0; i < Limit; ++i)
        platform::SaveSetting(SettingsApp, SettingsSection, keyOf(i), paths_.value(i));
}

void RecentFiles::remember(const QString &path)
{
    RecentFiles recent = stored();
    recent.add(path);
    recent.store();
}

namespace RecentFileCommands {

void open(const QString &path)
{
    if (QFileInfo(path).isFile()) {
        DocumentCommands::OpenFile(path);
        return;
    }
    RecentFiles recent = RecentFiles::stored();
    recent.remove(path);
    recent.store();
    platform::warn(nullptr, QStringLiteral("ﾌｧｲﾙが見つかりません。一覧から外します\n") + path);
}

} // namespace RecentFileCommands
