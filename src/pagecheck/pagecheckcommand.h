#pragma once

// The page check command: the active document's text as it is now, checked, its findings in
// the main window's dock "検査結果". The text and the file are left as they are.

class QMainWindow;

namespace PageCheckCommand {

// Does nothing while no document is open.
void mnuCheckPage_Click(QMainWindow &mainWindow);

} // namespace PageCheckCommand
