#include "search/findreplace.h"

#include "textmodel/textmodel.h"

#include <vector>

namespace {

// The break of the model's text, which a line inserted into it takes as the document's own.
constexpr QStringView ModelBreak = u"\r\n";

bool splitsLineBreak(QStringView text, qsizetype offset)
{
    return offset > 0 && offset < text.size() && text[offset - 1] == u'\r' && text[offset] == u'\n';
}

// The first occurrence at or after `from` that the text box can select.
std::optional<TextMatch> findSelectable(QStringView text, const Matcher &matcher, qsizetype from)
{
    std::optional<TextMatch> match = matcher.find(text, from);
    while (match && (splitsLineBreak(text, match->start) ||
                     splitsLineBreak(text, match->start + match->length)))
        match = matcher.find(text, match->start + 1);
    return match;
}

void select(TextModel &text, const TextMatch &match)
{
    text.setSelStart(match.start);
    text.setSelLength(match.length);
}

bool selectNext(TextModel &text, const Matcher &matcher, qsizetype from)
{
    const std::optional<TextMatch> match = findSelectable(text.Text(), matcher, from);
    if (match)
        select(text, *match);
    return match.has_value();
}

} // namespace

bool searchNext(TextModel &text, const Matcher &matcher, SearchStart start)
{
    const qsizetype from = start == SearchStart::Top ? 0 : text.SelStart() + text.SelLength();
    return selectNext(text, matcher, from);
}

ReplaceStep replaceNext(TextModel &text, const Matcher &matcher, const QString &with)
{
    const QString whole = text.Text();
    const TextMatch selected{text.SelStart(), text.SelLength()};
    const bool replaced = matcher.find(whole, selected.start) == selected;
    if (replaced)
        text.setSelText(matcher.replacement(whole, selected, with, ModelBreak));
    return {replaced, selectNext(text, matcher, text.SelStart())};
}

qsizetype replaceAll(TextModel &text, const Matcher &matcher, const QString &with)
{
    if (!matcher.isValid() || matcher.query().pattern.isEmpty())
        return 0;
    const QString whole = text.Text();
    std::vector<TextModel::Range> ranges;
    std::vector<QString> texts;
    const bool sameText = !matcher.query().regularExpression;
    for (std::optional<TextMatch> match = findSelectable(whole, matcher, 0); match;
         match = findSelectable(whole, matcher, match->start + match->length)) {
        ranges.push_back({match->start, match->length});
        if (!sameText)
            texts.push_back(matcher.replacement(whole, *match, with, ModelBreak));
    }
    text.setSelStart(0);
    sameText ? text.replaceEach(ranges, with) : text.replaceEach(ranges, texts);
    return qsizetype(ranges.size());
}

bool searchPrevious(TextModel &text, const Matcher &matcher, SearchStart start)
{
    const QString whole = text.Text();
    const qsizetype before = start == SearchStart::Top ? whole.size() + 1 : text.SelStart();
    std::optional<TextMatch> last;
    for (std::optional<TextMatch> match = findSelectable(whole, matcher, 0);
         match && match->start < before; match = findSelectable(whole, matcher, match->start + 1))
        last = match;
    if (last)
        select(text, *last);
    return last.has_value();
}
