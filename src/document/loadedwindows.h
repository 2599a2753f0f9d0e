#pragma once

// The program's loaded windows in the order they were loaded: the main window first, then
// document windows and any other window that stays open beside them. Closing the last
// document and "close all" count and walk this list.

#include <QtGlobal>

class QWidget;

namespace LoadedWindows {

void add(QWidget *window);
// Harmless for a window that is not in the list.
void remove(QWidget *window);
bool contains(QWidget *window);
qsizetype count();
QWidget *at(qsizetype index);

} // namespace LoadedWindows
