#pragma once

// What a document window needs of the file commands, which sit above the windows and hand
// these over (DocumentCommands::serveDocumentWindows()) before the first window is made.
// Until then a window starts as a new page, closes without saving and takes no drops.

class DocumentWindow;
class QDragMoveEvent;
class QDropEvent;

struct DocumentFileHooks {
    // Reads the file the window was made for, if any; false leaves the new page.
    bool (*loadPendingFile)(DocumentWindow &) = [](DocumentWindow &) { return false; };
    // The window became active: its file may have changed elsewhere.
    void (*activated)(DocumentWindow &) = [](DocumentWindow &) {};
    // Saves before the window closes; false keeps it open.
    bool (*save)(DocumentWindow &) = [](DocumentWindow &) { return false; };
    void (*dragOver)(QDragMoveEvent *) = [](QDragMoveEvent *) {};
    void (*drop)(QDropEvent *) = [](QDropEvent *) {};

    static DocumentFileHooks served;
};
