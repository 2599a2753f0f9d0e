// Cut, copy and paste of Module1: plain text between the active document and the clipboard.

#include "document/activedocument.h"
#include "document/frmchild.h"
#include "document/module1.h"
#include "platform/platform.h"

namespace Module1 {

void CopyText()
{
    frmChild *document = activeDocument();
    if (!document || document->Text().SelLength() == 0)
        return;
    platform::backend().setClipboardText(document->Text().SelText());
}

void CutText()
{
    frmChild *document = activeDocument();
    if (!document || document->Text().SelLength() == 0)
        return;
    CopyText();
    document->Text().setSelText(QString());
}

// The clipboard of this platform breaks lines with LF; the model takes every kind of break.
void PasteText()
{
    frmChild *document = activeDocument();
    const QString text = platform::backend().clipboardText();
    if (!document || text.isEmpty())
        return;
    document->Text().setSelText(text);
}

} // namespace Module1
