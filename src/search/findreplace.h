#pragma once

// The steps of find and replace on a document's text: the search button, the replace button
// and replace all. Each reads the text and the selection afresh and leaves the found
// occurrence selected; none shows a message, the window does that when a step reports the
// end. A match that starts or ends between the CR and the LF of a line break is passed over:
// the text box cannot split a line break to select it. Offsets are the document's, counted from
// 0 (a line break counts two): the search's first position after the selection, SelStart +
// SelLength + 1 counted from 1, is offset SelStart + SelLength here.

#include "search/textsearch.h"

#include <QString>

class TextModel;

enum class SearchStart { Top, AfterSelection };

// Selects the first occurrence of `what` at or after `start`; false, with the selection
// unchanged, when there is none.
bool searchNext(TextModel &text, const QString &what, SearchStart start, Comparison comparison);

struct ReplaceStep {
    // The selection was an occurrence and was replaced.
    bool replaced = false;
    // A further occurrence was found and is selected.
    bool found = false;
};

// When the selection is an occurrence of `what` as `comparison` sees it, replaces it with
// `with` and searches on after the replacement; otherwise searches from the start of the
// selection. Selects the occurrence found.
ReplaceStep replaceNext(TextModel &text, const QString &what, const QString &with,
                        Comparison comparison);

// Replaces every occurrence from the top, as replaceNext repeated from the start of the text
// until it finds nothing would, with the same text and caret, but in one pass over the text
// and as one undo step. Returns the number of replacements.
qsizetype replaceAll(TextModel &text, const QString &what, const QString &with,
                     Comparison comparison);

// Selects the last occurrence of `what` that starts before the selection; false, with the
// selection unchanged, when there is none. With `start` Top, the last one in the text.
bool searchPrevious(TextModel &text, const QString &what, SearchStart start, Comparison comparison);
