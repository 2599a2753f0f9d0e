#include "document/documentviews.h"

#include "document/documentwindow.h"
#include "document/loadedwindows.h"
#include "textview/textbox.h"
#include "textview/viewoptions.h"

void applyToAllDocuments(const ViewOptions &options)
{
    options.store();
    for (qsizetype i = 0; i < LoadedWindows::count(); ++i) {
        if (auto *document = qobject_cast<DocumentWindow *>(LoadedWindows::at(i)))
            document->textBox().setViewOptions(options);
    }
}
