#pragma once

// The program's own icon: the main window, the document windows and the dialogs show it,
// and the desktop entry installs the same drawing.

#include <QIcon>

QIcon programIcon();
