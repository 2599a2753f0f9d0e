#pragma once

// The active document's selected text, which the wrapping dialogs take into their markup.

#include <QString>

// Empty when nothing is selected or no document is open.
QString activeSelection();
