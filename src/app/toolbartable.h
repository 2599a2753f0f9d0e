#pragma once

// The buttons of the two toolbars by 1-based position. Positions not listed are
// separators.

#include <QString>
#include <span>

struct ToolbarButton {
    int position;
    // The tool tip.
    QString shortName;
    // Kept with the button as its description (status tip).
    QString menuPath;
    // A freedesktop icon name, or the name of one of the program's own images
    // (resources/icons/<name>.svg).
    const char *icon;
    // The menu entry whose command the button runs.
    const char *entry;
};

struct ToolbarLayout {
    const char *name;
    // The image list: the buttons' 16 by 16 images side by side, in table order, made
    // at build time.
    const char *imageList;
    int positions;
    std::span<const ToolbarButton> buttons;
};

const ToolbarLayout &standardToolbar();
const ToolbarLayout &htmlToolbar();
