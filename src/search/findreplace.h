#pragma once

// The steps of find and replace on a document's text: the search button, the replace button
// and replace all, each with the matcher of what the user typed. Each reads the text and the
// selection afresh and leaves the found occurrence selected; none shows a message, the window
// does that when a step reports the end. A match that starts or ends between the CR and the LF
// of a line break is passed over: the text box cannot split a line break to select it. Offsets
// are the document's, counted from 0 (a line break counts two): the search's first position
// after the selection, SelStart + SelLength + 1 counted from 1, is offset SelStart + SelLength
// here. A replacement's \n (for a regular expression) is a line break that takes the document's
// break.

#include "search/matcher.h"

#include <QString>

class TextModel;

enum class SearchStart { Top, AfterSelection };

// Selects the first occurrence at or after `start`; false, with the selection unchanged, when
// there is none.
bool searchNext(TextModel &text, const Matcher &matcher, SearchStart start);

struct ReplaceStep {
    // The selection was an occurrence and was replaced.
    bool replaced = false;
    // A further occurrence was found and is selected.
    bool found = false;
};

// When the selection is an occurrence as `matcher` finds it in the text, replaces it with
// `with` and searches on after the replacement; otherwise searches from the start of the
// selection. Selects the occurrence found.
ReplaceStep replaceNext(TextModel &text, const Matcher &matcher, const QString &with);

// Replaces every occurrence from the top, as replaceNext repeated from the start of the text
// until it finds nothing would, with the same text and caret, but in one pass over the text
// and as one undo step. Returns the number of replacements.
qsizetype replaceAll(TextModel &text, const Matcher &matcher, const QString &with);

// Selects the last occurrence that starts before the selection; false, with the selection
// unchanged, when there is none. With `start` Top, the last one in the text.
bool searchPrevious(TextModel &text, const Matcher &matcher, SearchStart start);
