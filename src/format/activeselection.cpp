#include "format/activeselection.h"

#include "document/activedocument.h"
#include "document/frmchild.h"

QString activeSelection()
{
    frmChild *document = activeDocument();
    return document ? document->Text().SelText() : QString();
}
