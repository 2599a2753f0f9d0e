#pragma once

// What the document windows need of the window that holds them: the area they live in, the
// file dialog they share, the status texts, the cut entry and the document-open and
// no-document states. The main window implements it; tests can hold documents in a bare
// area instead. There is one host at a time, from its construction to its destruction; while
// it lives, the focus goes back to the active document after every question and dialog.

#include <QString>

#include <memory>

class FocusReturn;
class QMdiArea;
struct FileDialogState;

class DocumentHost {
public:
    DocumentHost();
    virtual ~DocumentHost();
    DocumentHost(const DocumentHost &) = delete;
    DocumentHost &operator=(const DocumentHost &) = delete;

    // The host of this run; null while there is none.
    static DocumentHost *current();

    virtual QMdiArea &mdiArea() = 0;
    // The open and save as dialogs' shared state.
    virtual FileDialogState &CD() = 0;
    // The document information text of status bar panel 1.
    virtual void setStatusText(const QString &text) = 0;
    // The active document's code page and line breaks; empty while no document is open.
    virtual void setFormatText(const QString &text) = 0;
    // Whether the active document has unsaved changes.
    virtual void setModifiedShown(bool modified) = 0;
    // The cut entry follows whether the active document holds any text.
    virtual void setCutEnabled(bool enabled) = 0;
    virtual void enterDocumentOpenState() = 0;
    virtual void enterNoDocumentState() = 0;

private:
    std::unique_ptr<FocusReturn> focusReturn_;
};
