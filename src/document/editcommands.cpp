// The document commands that need no file: a new document; undo and redo, cut, copy and
// paste (plain text between the active document and the clipboard), delete and select all.

#include "document/activedocument.h"
#include "document/documentcommands.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"
#include "platform/platform.h"
#include "textview/textbox.h"

namespace DocumentCommands {

DocumentWindow *NewDocument()
{
    DocumentHost *host = DocumentHost::current();
    if (!host)
        return nullptr;
    return new DocumentWindow(*host);
}

void Undo()
{
    if (DocumentWindow *document = activeDocument())
        document->textBox().undo();
}

void Redo()
{
    if (DocumentWindow *document = activeDocument())
        document->textBox().redo();
}

// The selection with the file's own breaks: LF from a Unix page stays LF in the program it
// goes to, and a copy of the whole text is the file's text.
void CopyText()
{
    DocumentWindow *document = activeDocument();
    if (!document || document->Text().SelLength() == 0)
        return;
    platform::backend().setClipboardText(document->Text().selFileText());
}

void CutText()
{
    DocumentWindow *document = activeDocument();
    if (!document || document->Text().SelLength() == 0)
        return;
    CopyText();
    document->Text().setSelText(QString());
}

// The clipboard of this platform breaks lines with LF; the model takes every kind of break.
void PasteText()
{
    DocumentWindow *document = activeDocument();
    const QString text = platform::backend().clipboardText();
    if (!document || text.isEmpty())
        return;
    document->Text().setSelText(text);
}

void DeleteText()
{
    DocumentWindow *document = activeDocument();
    if (!document)
        return;
    document->textBox().setFocus(Qt::OtherFocusReason);
    platform::sendKeyToFocus(Qt::Key_Delete);
}

void SelectAll()
{
    DocumentWindow *document = activeDocument();
    if (!document)
        return;
    document->Text().setSelStart(0);
    document->Text().setSelLength(document->Text().length());
}

} // namespace DocumentCommands
