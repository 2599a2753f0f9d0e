#pragma once

// The undo and redo entries of the edit menu, enabled as the active document's history
// allows: they follow its text box's undo stack and switch over to each document activated.

#include <QMetaObject>
#include <QObject>

class QAction;
class QMdiArea;

class UndoEntries : public QObject {
    Q_OBJECT
public:
    UndoEntries(QMdiArea &area, QAction &undo, QAction &redo);

private:
    void followActiveDocument();

    QMdiArea &area_;
    QAction &undo_;
    QAction &redo_;
    QMetaObject::Connection undoAvailable_;
    QMetaObject::Connection redoAvailable_;
};
