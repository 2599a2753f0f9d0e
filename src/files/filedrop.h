#pragma once

// Files dropped on a document's text or on the main window's empty area open in a new
// document window, byte for byte.

#include <QtGlobal>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QString;

namespace FileDrop {

// The largest file a drop opens.
constexpr qint64 MaxBytes = 30000;

// One file, not a folder, named *.txt, *.htm or *.html in any case.
bool accepts(const QMimeData *data);
// Accepts the drag with the copy effect, or refuses it.
void dragOver(QDragMoveEvent *event);
// Opens the dropped file in a new document window.
void drop(QDropEvent *event);
// The same for a file name: size check, whole reading, a new window captioned with it.
void openDroppedFile(const QString &path);

} // namespace FileDrop
