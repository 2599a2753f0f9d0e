#include "search/findagain.h"

#include "document/activedocument.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"
#include "search/findreplace.h"

namespace {

struct LastSearch {
    QString what;
    Comparison comparison = Comparison::Loose;
};

LastSearch &lastSearch()
{
    static LastSearch search;
    return search;
}

bool searchOn(TextModel &text, SearchDirection direction, SearchStart start)
{
    const LastSearch &last = lastSearch();
    return direction == SearchDirection::Next
               ? searchNext(text, last.what, start, last.comparison)
               : searchPrevious(text, last.what, start, last.comparison);
}

} // namespace

void rememberSearch(const QString &what, Comparison comparison)
{
    lastSearch() = {what, comparison};
}

void findAgain(SearchDirection direction)
{
    DocumentWindow *document = activeDocument();
    if (!document || lastSearch().what.isEmpty())
        return;
    TextModel &text = document->Text();
    if (searchOn(text, direction, SearchStart::AfterSelection))
        return;
    const bool found = searchOn(text, direction, SearchStart::Top);
    DocumentHost::current()->setStatusText(found ? QStringLiteral("文書の最後まで検索しました")
                                                 : QStringLiteral("文書の検索が終了しました"));
}
