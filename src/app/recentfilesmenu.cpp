#include "app/recentfilesmenu.h"

#include "files/recentfiles.h"

#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu &menu, QAction &before)
    : QObject(&menu), menu_(menu), before_(before)
{
    connect(&menu, &QMenu::aboutToShow, this, &RecentFilesMenu::rebuild);
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    qDeleteAll(entries_);
    entries_.clear();
    const QStringList paths = RecentFiles::stored().paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // An "&" in a path is shown, not taken as an access key.
        const QString caption = QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(paths[i]).replace(u'&', QStringLiteral("&&")));
        auto *entry = new QAction(caption, &menu_);
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        const QString path = paths[i];
        connect(entry, &QAction::triggered, this, [path] { RecentFileCommands::open(path); });
        menu_.insertAction(&before_, entry);
        entries_ << entry;
    }
    if (!paths.isEmpty())
        entries_ << menu_.insertSeparator(&before_);
}
