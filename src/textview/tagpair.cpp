#include "textview/tagpair.h"

#include "textview/htmlnames.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace TagPair {
namespace {

struct Tag {
    qsizetype start;
    // Right after its ">"; -1 while the tag is not closed.
    qsizetype end;
    QStringView name;
    bool isEnd;
    bool selfClosed;
};

// The tags of `text` in order, from the lexer's tag spans: "<name" or "</name" opens a tag,
// ">" or "/>" closes it. A close whose tag began before `text` belongs to no tag here.
std::vector<Tag> tagsOf(QStringView text, HtmlLexer::State entry)
{
    std::vector<HtmlLexer::Span> spans;
    HtmlLexer::lex(text, entry, &spans);
    std::vector<Tag> tags;
    for (const HtmlLexer::Span &span : spans) {
        if (span.kind != HtmlLexer::Kind::TagName)
            continue;
        const QStringView piece = text.sliced(span.start, span.length);
        if (piece.startsWith(u'<')) {
            const bool isEnd = piece.startsWith(u"</");
            tags.push_back({span.start, -1, piece.sliced(isEnd ? 2 : 1), isEnd, false});
        } else if (!tags.empty() && tags.back().end < 0) {
            tags.back().end = span.start + span.length;
            tags.back().selfClosed = piece == u"/>";
        }
    }
    return tags;
}

bool hasPartner(const Tag &tag)
{
    return tag.end >= 0 && !tag.selfClosed && !HtmlNames::isVoid(tag.name);
}

// The first tag from `from` on that closes the pairing `tag` opens (an end tag going
// forward, a start tag going backward), passing over the pairs of the same name inside.
template <typename Iterator>
std::optional<Range> firstUnmatched(Iterator from, Iterator to, const Tag &tag)
{
    int depth = 0;
    for (; from != to; ++from) {
        if (!hasPartner(*from) || from->name.compare(tag.name, Qt::CaseInsensitive) != 0)
            continue;
        if (from->isEnd == tag.isEnd)
            ++depth;
        else if (depth-- == 0)
            return Range{from->start, from->end - from->start};
    }
    return std::nullopt;
}

} // namespace

std::optional<Range> partnerOf(QStringView text, HtmlLexer::State entry, qsizetype caret)
{
    const std::vector<Tag> tags = tagsOf(text, entry);
    const auto at = std::find_if(tags.begin(), tags.end(), [caret](const Tag &tag) {
        return tag.start < caret && caret <= tag.end;
    });
    if (at == tags.end() || !hasPartner(*at))
        return std::nullopt;
    if (at->isEnd)
        return firstUnmatched(std::make_reverse_iterator(at), tags.rend(), *at);
    return firstUnmatched(at + 1, tags.end(), *at);
}

} // namespace TagPair
