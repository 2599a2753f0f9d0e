#pragma once

// The commands that put fixed markup into the active document.

#include <QString>

namespace WrapCommands {

// Replaces the selection with prefix + selection + suffix; with nothing selected the pair
// goes in at the caret, which ends after the suffix.
void wrapSelection(const QString &prefix, const QString &suffix);

// Replaces the selection with `text`.
void insertText(const QString &text);

} // namespace WrapCommands
