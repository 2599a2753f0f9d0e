#pragma once

// The main window's one file dialog object, shared by open and save as: it remembers the
// full path chosen last and the starting folder set by the last open.

#include "platform/platform.h"

#include <QString>
#include <optional>

struct FileDialogState {
    QString fileName;
    QString initialDir;

    // Shows the dialog, offering the file chosen last in the folder it holds, and remembers
    // the choice. nullopt when the user cancelled.
    std::optional<QString> choose(QWidget *parent, platform::FileMode mode, const QString &filter);
};
