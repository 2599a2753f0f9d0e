#pragma once

// Which element an end tag typed by the user closes, so that typing `</` can write the rest
// of it: the innermost element open before the caret, its name as its start tag has it.

#include <QString>

// The name to write after the `</` that ends at `offset`, or empty where nothing should be
// added: every element before it is closed, or the `</` stands in a comment, a declaration,
// a script or style block, or inside a tag. Reads no further back than `reach` characters.
QString elementToClose(const QString &text, qsizetype offset, qsizetype reach = 200000);
