#include "app/windowarrangement.h"

#include "document/documentwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace WindowArrangement {

void tileHorizontally(QMdiArea &area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized() && window->isVisible())
            windows << window;
    }
    if (windows.isEmpty())
        return;
    const QRect space = area.viewport()->rect();
    const int height = space.height() / int(windows.size());
    int top = 0;
    for (QMdiSubWindow *window : windows) {
        window->showNormal();
        window->setGeometry(0, top, space.width(), height);
        top += height;
    }
}

void arrangeIcons(QMdiArea &area)
{
    const QRect space = area.viewport()->rect();
    int left = 0;
    int bottom = space.bottom() + 1;
    for (QMdiSubWindow *window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (left > 0 && left + size.width() > space.width()) {
            left = 0;
            bottom -= size.height();
        }
        window->move(left, bottom - size.height());
        left += size.width();
    }
}

void listWindows(QMenu &menu, QMdiArea &area, QList<QAction *> &entries)
{
    qDeleteAll(entries);
    entries.clear();
    const QList<QMdiSubWindow *> windows = area.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    entries << menu.addSeparator();
    for (QMdiSubWindow *window : windows) {
        auto *document = qobject_cast<DocumentWindow *>(window);
        if (!document)
            continue;
        QAction *entry = menu.addAction((document->isModified() ? QStringLiteral("*") : QString()) +
                                        document->Caption());
        entry->setCheckable(true);
        entry->setChecked(window == area.activeSubWindow());
        QObject::connect(entry, &QAction::triggered, &area,
                         [&area, window] { area.setActiveSubWindow(window); });
        entries << entry;
    }
}

} // namespace WindowArrangement
