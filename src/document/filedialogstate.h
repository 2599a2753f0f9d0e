#pragma once

// The main window's one file dialog object, shared by open and save as: it remembers the
// full path chosen last and the starting folder set by the last open.

#include <QString>

struct FileDialogState {
    QString fileName;
    QString initialDir;
};
