#pragma once

// Every command works on the active document: the host's active document window at the
// moment of use. It is looked up afresh each time and never kept. Each operation here does
// nothing while no document is open (a modeless window can outlive the last one).
//
//     void cmdOK_Click() { replaceActiveSelection(tableMarkup(fields)); close(); }

#include <QString>

class DocumentWindow;

// Null when no document window is open.
DocumentWindow *activeDocument();

// The full path of the active document's file; empty when it has no file yet or no document
// is open.
QString activeFilePath();

// The selected text; empty when nothing is selected or no document is open.
QString activeSelection();
// The whole text, and the caret (the start of the selection); empty and 0 with no document.
QString activeDocumentText();
qsizetype activeCaret();
// Puts `text` in place of the `length` characters from `start`, as one undo step; the caret
// ends after it.
void replaceActiveRange(qsizetype start, qsizetype length, const QString &text);
// Puts `text` in place of the selection, or at the caret; the caret ends after it.
void replaceActiveSelection(const QString &text);
// Replaces the selection with prefix + selection + suffix; with nothing selected the pair
// goes in at the caret, which ends after the suffix.
void wrapActiveSelection(const QString &prefix, const QString &suffix);

enum class TextMark { Modified, Unmodified };

// A new document window holding `text` in place of the new-page template, with the caret at
// its start; it becomes the active document. Unmodified clears the mark the new text set.
// Null when there is no host to hold it.
DocumentWindow *newDocumentWithText(const QString &text, TextMark mark);
