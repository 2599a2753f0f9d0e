#pragma once

// The preview command: the active document's file in the preview window.

class QWidget;

namespace PreviewCommand {

// Writes the active document to its file, asking for a name first when it has none, then
// shows the preview window, owned by `mainWindow`, on that file. Ends silently when no name is
// given, and after the write's own message when the file could not be written: the preview only
// ever shows the text as saved.
void mnuWB_Click(QWidget &mainWindow);

} // namespace PreviewCommand
