#include "app/mainmenus.h"

#include "app/mainwindow.h"
#include "app/menutable.h"
#include "app/toolbaricons.h"
#include "app/toolbartable.h"

#include <QMenuBar>
#include <QToolBar>

namespace {

// The menus that are hidden while no document is open.
const char *const documentMenus[] = {"mnuView", "mnuTagu", "mnuWord",
                                     "mnuEdit", "mnuTag2", "mnuTool"};

const MenuEntry *entryNamed(const char *name)
{
    for (const MenuEntry &entry : menuTable()) {
        if (qstrcmp(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

bool inDocumentMenu(const MenuEntry &entry)
{
    for (const MenuEntry *e = &entry; e; e = entryNamed(e->parent)) {
        if (e->kind == MenuEntry::TopMenu)
            return std::any_of(std::begin(documentMenus), std::end(documentMenus),
                               [e](const char *menu) { return qstrcmp(menu, e->name) == 0; });
    }
    return false;
}

} // namespace

MainMenus::MainMenus(MainWindow &window)
{
    for (const MenuEntry &entry : menuTable()) {
        const QString name = QString::fromLatin1(entry.name);
        QMenu *parent = menus_.value(QString::fromLatin1(entry.parent));
        switch (entry.kind) {
        case MenuEntry::TopMenu:
        case MenuEntry::SubMenu: {
            QMenu *menu =
                parent ? parent->addMenu(entry.caption) : window.menuBar()->addMenu(entry.caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus_.insert(name, menu);
            actions_.insert(name, menu->menuAction());
            break;
        }
        case MenuEntry::Separator:
            parent->addSeparator()->setObjectName(name);
            break;
        case MenuEntry::Command: {
            QAction *action = parent->addAction(entry.caption);
            action->setObjectName(name);
            action->setShortcut(entry.shortcut);
            action->setCheckable(entry.checkable);
            QObject::connect(action, &QAction::triggered, &window, entry.handler);
            actions_.insert(name, action);
            break;
        }
        }
    }
}

void MainMenus::setDocumentMenusShown(bool shown)
{
    for (const char *name : documentMenus)
        menus_.value(QString::fromLatin1(name))->menuAction()->setVisible(shown);
    for (const MenuEntry &entry : menuTable()) {
        if (entry.kind != MenuEntry::Command || entry.shortcut.isEmpty())
            continue;
        if (inDocumentMenu(entry))
            actions_.value(QString::fromLatin1(entry.name))
                ->setShortcut(shown ? entry.shortcut : QKeySequence());
    }
}

QToolBar *addToolbar(MainWindow &window, const ToolbarLayout &layout, QList<QAction *> &positions)
{
    auto *toolbar = window.addToolBar(QString::fromLatin1(layout.name));
    toolbar->setObjectName(QString::fromLatin1(layout.name));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    int index = 0;
    for (int position = 1; position <= layout.positions; ++position) {
        if (index >= int(layout.buttons.size()) || layout.buttons[index].position != position) {
            positions << toolbar->addSeparator();
            continue;
        }
        const ToolbarButton &button = layout.buttons[index];
        // Described before it is added, so that its button is made once, not told of each.
        auto *action = new QAction(toolbarIcon(layout, index++), button.shortName, toolbar);
        action->setToolTip(button.shortName);
        action->setStatusTip(button.menuPath);
        toolbar->addAction(action);
        QObject::connect(action, &QAction::triggered, &window, [&window, &layout, position] {
            runToolbarButton(window, layout, position);
        });
        positions << action;
    }
    return toolbar;
}

void runToolbarButton(MainWindow &window, const ToolbarLayout &layout, int position)
{
    for (const ToolbarButton &button : layout.buttons) {
        if (button.position == position)
            (window.*entryNamed(button.entry)->handler)();
    }
}
