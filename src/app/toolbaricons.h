#pragma once

#include <QIcon>

// A toolbar image: the icon theme's image of a freedesktop name, or one of the program's
// own images for names starting with "zurne-".
QIcon toolbarIcon(const char *name);
