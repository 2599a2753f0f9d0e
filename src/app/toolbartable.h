#pragma once

// The buttons of the two toolbars by 1-based position. Positions not listed are
// separators.

#include <QString>
#include <span>

class frmMDI;

struct ToolbarButton {
    int position;
    // The tool tip.
    QString shortName;
    // Kept with the button as its description (status tip).
    QString menuPath;
    // A freedesktop icon name, or the name of one of the program's own images.
    const char *icon;
    void (frmMDI::*handler)();
};

struct ToolbarLayout {
    const char *name;
    int positions;
    std::span<const ToolbarButton> buttons;
};

const ToolbarLayout &standardToolbar();
const ToolbarLayout &htmlToolbar();
