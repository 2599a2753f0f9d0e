#include "preview/previewcommand.h"

#include "app/frmmdi.h"
#include "document/frmchild.h"
#include "document/module1.h"
#include "preview/frmwb.h"

namespace PreviewCommand {

void mnuWB_Click(frmMDI &mdi)
{
    frmChild *document = mdi.activeChild();
    if (!document)
        return;
    const bool written = document->isUntitled()
                             ? Module1::SaveDocumentAs(*document)
                             : Module1::WriteDocument(*document, document->Caption());
    if (!written)
        return;
    if (frmWB *preview = frmWB::open(mdi))
        preview->Navigate(QStringLiteral("File://") + document->Caption());
}

} // namespace PreviewCommand
