#pragma once

// The recent files in the file menu: "&1 path" to "&8 path", newest first, above the exit
// entry; built afresh each time the menu opens.

#include <QObject>

class QAction;
class QMenu;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The entries go into `menu` just before `before`.
    RecentFilesMenu(QMenu &menu, QAction &before);

private:
    void rebuild();

    QMenu &menu_;
    QAction &before_;
    QList<QAction *> entries_;
};
