#include "app/undoentries.h"

#include "document/documentwindow.h"
#include "textview/textbox.h"

#include <QAction>
#include <QMdiArea>
#include <QTextDocument>

UndoEntries::UndoEntries(QMdiArea &area, QAction &undo, QAction &redo)
    : QObject(&area), area_(area), undo_(undo), redo_(redo)
{
    connect(&area, &QMdiArea::subWindowActivated, this, &UndoEntries::followActiveDocument);
    followActiveDocument();
}

// The current window rather than the one activated: the area reports none while the main
// window is inactive behind a dialog, and the document is still the one the entries act on.
void UndoEntries::followActiveDocument()
{
    disconnect(undoAvailable_);
    disconnect(redoAvailable_);
    auto *document = qobject_cast<DocumentWindow *>(area_.currentSubWindow());
    const QTextDocument *history = document ? document->textBox().document() : nullptr;
    undo_.setEnabled(history && history->isUndoAvailable());
    redo_.setEnabled(history && history->isRedoAvailable());
    if (!history)
        return;
    undoAvailable_ = connect(history, &QTextDocument::undoAvailable, &undo_, &QAction::setEnabled);
    redoAvailable_ = connect(history, &QTextDocument::redoAvailable, &redo_, &QAction::setEnabled);
}
