#pragma once

// The order in which a window reads: its layouts walked top to bottom and left to right, a
// frame's controls where the frame stands, a tab strip before the controls of its pages.
// Tab follows this order in every dialog (Dialog sets it when the dialog is first shown), so
// no window chains its controls by hand, and a control added to a layout takes its place.

#include <QList>

class QWidget;

// The controls of `window` that Tab can stop at, in reading order. Controls outside every
// layout are not among them.
QList<QWidget *> readingOrder(QWidget &window);

// Chains `controls` for Tab in the given order; a multi-line text box among them passes
// Tab on instead of taking it as text, so Tab never stops in it for good.
void setTabChain(const QList<QWidget *> &controls);
