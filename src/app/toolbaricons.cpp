#include "app/toolbaricons.h"

#include "app/toolbartable.h"

#include <QHash>
#include <QPixmap>

namespace {

// Each image list is decoded once and cut up many times.
const QPixmap &imageList(const QString &path)
{
    static QHash<QString, QPixmap> lists;
    auto found = lists.find(path);
    if (found == lists.end())
        found = lists.insert(path, QPixmap(path));
    return *found;
}

} // namespace

QIcon toolbarIcon(const ToolbarLayout &layout, int index)
{
    const QString list = QStringLiteral(":/toolbar/") + QString::fromLatin1(layout.imageList);
    QIcon icon;
    for (const auto &[suffix, size] : {std::pair{"", 16}, std::pair{"@2x", 32}}) {
        const QPixmap &strip =
            imageList(list + QString::fromLatin1(suffix) + QStringLiteral(".png"));
        icon.addPixmap(strip.copy(index * size, 0, size, size));
    }
    return icon;
}
