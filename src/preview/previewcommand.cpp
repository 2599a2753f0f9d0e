#include "preview/previewcommand.h"

#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "files/filecommands.h"
#include "preview/fileaddress.h"
#include "preview/previewproxy.h"

namespace PreviewCommand {

void mnuWB_Click(QWidget &mainWindow)
{
    DocumentWindow *document = activeDocument();
    if (!document)
        return;
    const bool written = document->isUntitled()
                             ? DocumentCommands::SaveDocumentAs(*document)
                             : DocumentCommands::WriteDocument(*document, document->Caption());
    if (!written)
        return;
    if (PreviewProxy *preview = PreviewProxy::open(mainWindow))
        preview->Navigate(fileAddress(QStringLiteral("File://"), document->Caption()));
}

} // namespace PreviewCommand
