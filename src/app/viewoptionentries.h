#pragma once

// The 表示 menu's check entries for the view options, read and set together.

#include "textview/viewoptions.h"

class MainWindow;

// Checks each entry as `options` has it.
void checkViewOptionEntries(const MainWindow &window, const ViewOptions &options);
// The options as the entries are checked now.
ViewOptions checkedViewOptions(const MainWindow &window);
