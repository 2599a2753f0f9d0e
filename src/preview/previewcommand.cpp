#include "preview/previewcommand.h"

#include "document/activedocument.h"
#include "document/frmchild.h"
#include "document/module1.h"
#include "preview/frmwb.h"

namespace PreviewCommand {

void mnuWB_Click(QWidget &mainWindow)
{
    frmChild *document = activeDocument();
    if (!document)
        return;
    const bool written = document->isUntitled()
                             ? Module1::SaveDocumentAs(*document)
                             : Module1::WriteDocument(*document, document->Caption());
    if (!written)
        return;
    if (frmWB *preview = frmWB::open(mainWindow))
        preview->Navigate(QStringLiteral("File://") + document->Caption());
}

} // namespace PreviewCommand
