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

bool replaceNext(TextModel &text, const QString &what, const QString &with)
{
    if (what.isEmpty())
        return false;
    if (text.SelText() == what)
        text.setSelText(with);
    return selectNext(text, what, text.SelStart(), Comparison::Exact);
}

qsizetype replaceAll(TextModel &text, const QString &what, const QString &with)
{
    if (what.isEmpty())
        return 0;
    const QString whole = text.Text();
    std::vector<qsizetype> starts;
    for (std::optional<TextMatch> match = findSelectable(whole, what, 0, Comparison::Exact); match;
         match = findSelectable(whole, what, match->start + match->length, Comparison::Exact))
        starts.push_back(match->start);
    text.setSelStart(0);
    text.replaceEach(starts, what.size(), with);
    return qsizetype(starts.size());
}
