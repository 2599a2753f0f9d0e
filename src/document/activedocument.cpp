#include "document/activedocument.h"

#include "document/documenthost.h"
#include "document/frmchild.h"
#include "document/module1.h"

#include <QMdiArea>

frmChild *activeDocument()
{
    DocumentHost *host = DocumentHost::current();
    return host ? qobject_cast<frmChild *>(host->mdiArea().currentSubWindow()) : nullptr;
}

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

void wrapActiveSelection(const QString &prefix, const QString &suffix)
{
    if (frmChild *document = activeDocument())
        document->Text().setSelText(prefix + document->Text().SelText() + suffix);
}

frmChild *newDocumentWithText(const QString &text, TextMark mark)
{
    frmChild *document = Module1::NewDocument();
    if (!document)
        return nullptr;
    document->Text().setText(text);
    if (mark == TextMark::Unmodified)
        document->setTag(QString());
    return document;
}
