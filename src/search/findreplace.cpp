#include "search/findreplace.h"

#include "textmodel/textmodel.h"

#include <vector>

namespace {

bool splitsLineBreak(QStringView text, qsizetype offset)
{
    return offset > 0 && offset < text.size() && text[offset - 1] == u'\r' && text[offset] == u'\n';
}

// The first occurrence at or after `from` that the text box can select.
std::optional<TextMatch> findSelectable(QStringView text, const QString &what, qsizetype from,
                                        Comparison comparison)
{
    std::optional<TextMatch> match = findText(text, what, from, comparison);
    while (match && (splitsLineBreak(text, match->start) ||
                     splitsLineBreak(text, match->start + match->length)))
        match = findText(text, what, match->start + 1, comparison);
    return match;
}

bool selectNext(TextModel &text, const QString &what, qsizetype from, Comparison comparison)
{
    const std::optional<TextMatch> match = findSelectable(text.Text(), what, from, comparison);
    if (!match)
        return false;
    text.setSelStart(match->start);
    text.setSelLength(match->length);
    return true;
}

} // namespace

bool searchNext(TextModel &text, const QString &what, SearchStart start, Comparison comparison)
{
    const qsizetype from = start == SearchStart::Top ? 0 : text.SelStart() + text.SelLength();
    return selectNext(text, what, from, comparison);
}

ReplaceStep replaceNext(TextModel &text, const QString &what, const QString &with,
                        Comparison comparison)
{
    if (what.isEmpty())
        return {};
    const QString selected = text.SelText();
    const std::optional<TextMatch> match = findText(selected, what, 0, comparison);
    const bool replaced = match && match->start == 0 && match->length == selected.size();
    if (replaced)
        text.setSelText(with);
    return {replaced, selectNext(text, what, text.SelStart(), comparison)};
}

qsizetype replaceAll(TextModel &text, const QString &what, const QString &with,
                     Comparison comparison)
{
    if (what.isEmpty())
        return 0;
    const QString whole = text.Text();
    std::vector<TextModel::Range> ranges;
    for (std::optional<TextMatch> match = findSelectable(whole, what, 0, comparison); match;
         match = findSelectable(whole, what, match->start + match->length, comparison))
        ranges.push_back({match->start, match->length});
    text.setSelStart(0);
    text.replaceEach(ranges, with);
    return qsizetype(ranges.size());
}

bool searchPrevious(TextModel &text, const QString &what, SearchStart start, Comparison comparison)
{
    const QString whole = text.Text();
    const qsizetype before = start == SearchStart::Top ? whole.size() + 1 : text.SelStart();
    std::optional<TextMatch> last;
    for (std::optional<TextMatch> match = findSelectable(whole, what, 0, comparison);
         match && match->start < before;
         match = findSelectable(whole, what, match->start + 1, comparison))
        last = match;
    if (!last)
        return false;
    text.setSelStart(last->start);
    text.setSelLength(last->length);
    return true;
}
