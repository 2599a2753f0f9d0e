#pragma once

// Modeless windows: at most one of each kind per owner (the main window or another modeless
// window). The first run of a window's command creates it, which runs its load; a later run
// finds the same window, with whatever its fields hold, and only brings it to the front.
// The window closes with its owner and counts as a loaded window (document/loadedwindows.h)
// from its creation until it closes, so close all walks past it and closing the last
// document leaves the main window in its document-open state. The window itself needs no
// code for any of this; it only takes its owner as parent.
//
//     class FrameDialog : public Dialog {
//     public:
//         explicit FrameDialog(QWidget *owner);   // builds the controls and runs the load
//     };
//     void MainWindow::mnuFrame_Click() { showModeless<FrameDialog>(this); }
//
// A modeless window writes into the document that is active when its button is pressed
// and does nothing when none is open.

#include <QWidget>

// Makes `window`, just created with its owner as parent, a modeless window of that owner.
void adoptModeless(QWidget &window);
// The loaded windows among `candidates`: the ones not closed yet.
QWidget *firstLoaded(const QList<QWidget *> &candidates);
// Shows `window` and brings it to the front with the keyboard focus.
void bringToFront(QWidget &window);

// The open window of kind `Window` owned by `owner`, or null.
template <class Window> Window *loadedModeless(QWidget &owner)
{
    QList<QWidget *> owned;
    for (Window *window : owner.findChildren<Window *>(Qt::FindDirectChildrenOnly))
        owned << window;
    return static_cast<Window *>(firstLoaded(owned));
}

// The window of kind `Window` owned by `owner`, created on the first call.
template <class Window> Window &showModeless(QWidget &owner)
{
    auto *window = loadedModeless<Window>(owner);
    if (!window) {
        window = new Window(&owner);
        adoptModeless(*window);
    }
    bringToFront(*window);
    return *window;
}
