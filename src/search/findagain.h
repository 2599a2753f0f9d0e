#pragma once

// Find next and find previous (F3, Shift+F3): the last search of the find window repeated on
// the active document while the window is closed. At either end of the text the search goes
// round once to the other end and says so in the status bar.

#include "search/matcher.h"

// What the find window searched for last, and how: the whole query, a regular expression
// and the comparison with it.
void rememberSearch(const SearchQuery &query);

enum class SearchDirection { Next, Previous };

// Selects the next or previous occurrence in the active document. Without a document or a
// search made before, does nothing.
void findAgain(SearchDirection direction);
