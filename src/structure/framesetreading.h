#pragma once

// A frame set already in the page read back into the frame set dialog's fields, when the
// dialog can write it back whole: two frames and nothing else between its tags.

#include "structure/framesetmarkup.h"

#include <optional>

class TagEdit;

// Null for a frame set the dialog cannot show without losing markup: other than two FRAME
// tags inside (a nested frame set, a comment, NOFRAMES...), a frame attribute the dialog has
// no field for, frames that differ in scrolling or resizing, sizes other than two, or a
// value the classic style's quotes cannot hold.
std::optional<FrameSetFields> frameSetFieldsOf(TagEdit &edit);
