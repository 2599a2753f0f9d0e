#pragma once

// The active document's selection, as the formatting dialogs use it. With no document open
// the selection reads as empty and nothing is written.

#include <QString>

QString activeSelection();

// Replaces the selection, or inserts at the caret; the document counts as modified.
void replaceActiveSelection(const QString &text);
