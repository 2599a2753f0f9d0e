#pragma once

// Edits the commands make in several places of the text at once, behind the user's caret.

#include "textmodel/textmodel.h"

#include <vector>

// Replaces each of `ranges` (ascending, not overlapping) with the text of the same index, as
// one undo step. The selection stays on the text it covered, moved and grown by the
// replacements before and inside it.
void replaceKeepingSelection(TextModel &model, const std::vector<TextModel::Range> &ranges,
                             const std::vector<QString> &texts);
