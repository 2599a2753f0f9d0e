#pragma once

// Document windows without a main window: a host over a bare area that records what the
// documents tell it. Commands on the active document run against it like against the main
// window.

#include "document/documenthost.h"
#include "files/filecommands.h"
#include "files/filedialogstate.h"

#include <QMdiArea>

class BareHost final : public DocumentHost {
public:
    BareHost() { DocumentCommands::serveDocumentWindows(); }

    FileDialogState fileDialog;
    QString statusText;
    QString formatText;
    bool modifiedShown = false;
    bool cutEnabled = false;
    bool documentOpen = false;
    // Last, so that it and its documents go first, while what they report to is still there.
    QMdiArea area;

    QMdiArea &mdiArea() override { return area; }
    FileDialogState &CD() override { return fileDialog; }
    void setStatusText(const QString &text) override { statusText = text; }
    void setFormatText(const QString &text) override { formatText = text; }
    void setModifiedShown(bool modified) override { modifiedShown = modified; }
    void setCutEnabled(bool enabled) override { cutEnabled = enabled; }
    void enterDocumentOpenState() override { documentOpen = true; }
    void enterNoDocumentState() override { documentOpen = false; }
};
