// Cut, copy and paste of DocumentCommands: plain text between the active document and the
// clipboard.

#include "document/activedocument.h"
#include "document/documentcommands.h"
#include "document/documentwindow.h"
#include "platform/platform.h"

namespace DocumentCommands {

void CopyText()
{
    DocumentWindow *document = activeDocument();
    if (!document || document->Text().SelLength() == 0)
        return;
    platform::backend().setClipboardText(document->Text().SelText());
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

} // namespace DocumentCommands
