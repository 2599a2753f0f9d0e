#include "format/wrapcommands.h"

#include "document/activedocument.h"
#include "document/frmchild.h"

namespace WrapCommands {

void wrapSelection(const QString &prefix, const QString &suffix)
{
    if (frmChild *document = activeDocument())
        document->Text().setSelText(prefix + document->Text().SelText() + suffix);
}

void insertText(const QString &text)
{
    if (frmChild *document = activeDocument())
        document->Text().setSelText(text);
}

} // namespace WrapCommands
