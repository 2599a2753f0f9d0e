#include "search/findagain.h"

#include "document/activedocument.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"
#include "search/findreplace.h"

namespace {

SearchQuery &lastSearch()
{
    static SearchQuery search;
    return search;
}

bool searchOn(TextModel &text, const Matcher &matcher, SearchDirection direction, SearchStart start)
{
    return direction == SearchDirection::Next ? searchNext(text, matcher, start)
                                              : searchPrevious(text, matcher, start);
}

} // namespace

void rememberSearch(const SearchQuery &query)
{
    lastSearch() = query;
}

void findAgain(SearchDirection direction)
{
    DocumentWindow *document = activeDocument();
    const Matcher matcher(lastSearch());
    if (!document || lastSearch().pattern.isEmpty() || !matcher.isValid())
        return;
    TextModel &text = document->Text();
    if (searchOn(text, matcher, direction, SearchStart::AfterSelection))
        return;
    const bool found = searchOn(text, matcher, direction, SearchStart::Top);
    DocumentHost::current()->setStatusText(found ? QStringLiteral("文書の最後まで検索しました")
                                                 : QStringLiteral("文書の検索が終了しました"));
}
