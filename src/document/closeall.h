#pragma once

// Close all and the end of the program, over the list of loaded windows.

class QWidget;

namespace CloseAll {

// Asks every loaded document window to close, from the most recently loaded to the oldest,
// each through its unsaved-changes prompt. A document that stays open (Cancel, or a save
// that did not happen) ends the walk when it is the last loaded window, keeping the older
// ones open too; when another window was loaded after it, the walk goes on. A document
// that closes never ends the walk.
void run();

// Whether any document window is still loaded.
bool documentsLeft();

// Closes every loaded window but `mainWindow`, asking nothing: the program ends.
void closeOtherWindows(const QWidget *mainWindow);

} // namespace CloseAll
