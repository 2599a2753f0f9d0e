#include "app/toolbaricons.h"

#include <QStandardPaths>

namespace {

// Desktops without an icon theme of their own (and headless runs) get Breeze.
void useIconTheme()
{
    static const bool done = [] {
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString &dir : QStandardPaths::locateAll(
                 QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                 QStandardPaths::LocateDirectory)) {
            if (!paths.contains(dir))
                paths << dir;
        }
        QIcon::setThemeSearchPaths(paths);
        QIcon::setFallbackThemeName(QStringLiteral("breeze"));
        if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
            QIcon::setThemeName(QStringLiteral("breeze"));
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

QIcon toolbarIcon(const char *name)
{
    const QString icon = QString::fromLatin1(name);
    if (icon.startsWith(QLatin1String("zurne-")))
        return QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".svg"));
    useIconTheme();
    return QIcon::fromTheme(icon);
}
