#pragma once

// Gives the keyboard back to the active document's text whenever a question or a dialog of
// the main window closes, however it was answered. Left to itself, the focus goes where the
// window system and the closing window leave it: the menu bar, the window area, or no
// window at all, and typed keys and Ctrl+Z then reach nothing until the text is clicked.
// A question asked by another window (a modeless dialog) gives the focus back to that one.

#include <QObject>

class FocusReturn : public QObject {
    Q_OBJECT
public:
    // Watches the windows of the whole application.
    FocusReturn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveBack();
};
