#include "document/activedocument.h"

#include "document/documentcommands.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"

#include <QMdiArea>

DocumentWindow *activeDocument()
{
    DocumentHost *host = DocumentHost::current();
    return host ? qobject_cast<DocumentWindow *>(host->mdiArea().currentSubWindow()) : nullptr;
}

QString activeFilePath()
{
    DocumentWindow *document = activeDocument();
    return document && !document->isUntitled() ? document->Caption() : QString();
}

QString activeSelection()
{
    DocumentWindow *document = activeDocument();
    return document ? document->Text().SelText() : QString();
}

QString activeDocumentText()
{
    DocumentWindow *document = activeDocument();
    return document ? document->Text().Text() : QString();
}

qsizetype activeCaret()
{
    DocumentWindow *document = activeDocument();
    return document ? document->Text().SelStart() : 0;
}

void replaceActiveRange(qsizetype start, qsizetype length, const QString &text)
{
    if (DocumentWindow *document = activeDocument())
        document->Text().replaceEach({{start, length}}, text);
}

void replaceActiveSelection(const QString &text)
{
    if (DocumentWindow *document = activeDocument())
        document->Text().setSelText(text);
}

void wrapActiveSelection(const QString &prefix, const QString &suffix)
{
    if (DocumentWindow *document = activeDocument())
        document->Text().setSelText(prefix + document->Text().SelText() + suffix);
}

DocumentWindow *newDocumentWithText(const QString &text, TextMark mark)
{
    DocumentWindow *document = DocumentCommands::NewDocument();
    if (!document)
        return nullptr;
    document->Text().setText(text);
    if (mark == TextMark::Unmodified)
        document->setTag(QString());
    return document;
}
