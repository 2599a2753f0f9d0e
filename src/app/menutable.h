#pragma once

// The main window's menu tree, in menu order.

#include <QKeySequence>
#include <QString>
#include <span>

class MainWindow;

struct MenuEntry {
    enum Kind { TopMenu, SubMenu, Command, Separator };
    Kind kind;
    const char *name;
    // The menu this entry belongs to (empty for the top-level menus).
    const char *parent;
    QString caption;
    QKeySequence shortcut;
    void (MainWindow::*handler)() = nullptr;
    bool checkable = false;
};

std::span<const MenuEntry> menuTable();
