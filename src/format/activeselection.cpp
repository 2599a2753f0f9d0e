#include "format/activeselection.h"

#include "document/activedocument.h"
#include "document/frmchild.h"

QString activeSelection()
{
    frmChild *document = activeDocument();
    return document ? document->Text().SelText() : QString();
}

void replaceActiveSelection(const QString &text)
{
    if (frmChild *document = activeDocument())
        document->Text().setSelText(text);
}
