#pragma once

#include <QIcon>

struct ToolbarLayout;

// The image of the `index`-th button of a toolbar table, cut from its image list.
QIcon toolbarIcon(const ToolbarLayout &layout, int index);
