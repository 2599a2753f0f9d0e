#include "pagecheck/pagecheckcommand.h"

#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "pagecheck/checkresults.h"
#include "pagecheck/pagechecker.h"
#include "platform/busycursor.h"

#include <QMainWindow>

namespace PageCheckCommand {

void mnuCheckPage_Click(QMainWindow &mainWindow)
{
    DocumentWindow *document = activeDocument();
    if (!document)
        return;
    auto *results = mainWindow.findChild<CheckResults *>();
    if (!results) {
        results = new CheckResults(&mainWindow);
        mainWindow.addDockWidget(Qt::BottomDockWidgetArea, results);
    }
    std::vector<Finding> findings;
    {
        const BusyCursor busy;
        findings = checkPage(document->Text().Text());
    }
    results->showFindings(*document, std::move(findings));
}

} // namespace PageCheckCommand
