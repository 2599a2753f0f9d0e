#pragma once

// The main window's menu bar and toolbars, built from the menu and toolbar tables. Entries
// are found by their object names; a toolbar button runs its menu entry's handler, so button
// and entry always do the same.

#include <QHash>
#include <QList>
#include <QString>

class MainWindow;
class QAction;
class QMenu;
class QToolBar;
struct ToolbarLayout;

class MainMenus {
public:
    // Builds the menu bar of `window` from the menu table.
    explicit MainMenus(MainWindow &window);

    QAction *action(const QString &name) const { return actions_.value(name); }
    QMenu *menu(const QString &name) const { return menus_.value(name); }
    // The menus that need a document, shown or hidden with their shortcuts: a key works only
    // while its entry can be seen.
    void setDocumentMenusShown(bool shown);

private:
    QHash<QString, QAction *> actions_;
    QHash<QString, QMenu *> menus_;
};

// Adds the toolbar `layout` to `window`; `positions` receives its buttons and separators in
// position order.
QToolBar *addToolbar(MainWindow &window, const ToolbarLayout &layout, QList<QAction *> &positions);
// Runs the entry of the button at the 1-based `position`; separators do nothing.
void runToolbarButton(MainWindow &window, const ToolbarLayout &layout, int position);
