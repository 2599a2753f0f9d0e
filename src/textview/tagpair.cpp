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

bool hasPartner(const Tag &tag)
{
    return tag.end >= 0 && !tag.selfClosed && !HtmlNames::isVoid(tag.name);
}

// Reads the tags of a text in order, a piece at a time, so that a partner near its tag is
// found without reading the rest of a large page. "<name" or "</name" opens a tag, ">" or
// "/>" closes it; a close whose tag began before the text belongs to no tag here.
class TagReader {
public:
    TagReader(QStringView text, HtmlLexer::State entry) : text_(text), state_(entry) {}

    const std::vector<Tag> &tags() const { return tags_; }
    bool atEnd() const { return read_ == text_.size(); }

    // Pieces end at a line break, where the lexer's state carries the reading over.
    void readPiece()
    {
        constexpr qsizetype PieceLength = 4096;
        const qsizetype brk = text_.indexOf(u'\n', std::min(read_ + PieceLength, text_.size()));
        const qsizetype end = brk < 0 ? text_.size() : brk + 1;
        const QStringView piece = text_.sliced(read_, end - read_);
        spans_.clear();
        state_ = HtmlLexer::lex(piece, state_, &spans_);
        for (const HtmlLexer::Span &span : spans_) {
            if (span.kind == HtmlLexer::Kind::TagName)
                addTagPart(read_ + span.start, span.length);
        }
        read_ = end;
    }

    // Whether the tag at `index` is read to its end: closed, followed by another, or the
    // text is over.
    bool isSettled(std::size_t index) const
    {
        return tags_[index].end >= 0 || index + 1 < tags_.size() || atEnd();
    }

private:
    void addTagPart(qsizetype start, qsizetype length)
    {
        const QStringView part = text_.sliced(start, length);
        if (part.startsWith(u'<')) {
            const bool isEnd = part.startsWith(u"</");
            tags_.push_back({start, -1, part.sliced(isEnd ? 2 : 1), isEnd, false});
        } else if (!tags_.empty() && tags_.back().end < 0) {
            tags_.back().end = start + length;
            tags_.back().selfClosed = part == u"/>";
        }
    }

    QStringView text_;
    HtmlLexer::State state_;
    qsizetype read_ = 0;
    std::vector<HtmlLexer::Span> spans_;
    std::vector<Tag> tags_;
};

// The index of the first tag from `from` on for which `stop` holds, reading pieces only as
// far as it takes to know; none when the text ends first.
template <typename Stop>
std::optional<std::size_t> firstSettled(TagReader &reader, std::size_t from, Stop stop)
{
    for (;;) {
        for (; from < reader.tags().size() && reader.isSettled(from); ++from) {
            if (stop(reader.tags()[from]))
                return from;
        }
        if (reader.atEnd())
            return std::nullopt;
        reader.readPiece();
    }
}

// The index of the tag that holds `caret`; none when the caret is in no tag.
std::optional<std::size_t> tagAt(TagReader &reader, qsizetype caret)
{
    const auto holds = [caret](const Tag &tag) { return tag.start < caret && caret <= tag.end; };
    // Tags come in order, so none from the caret on can hold it.
    const std::optional<std::size_t> found =
        firstSettled(reader, 0, [&](const Tag &tag) { return holds(tag) || tag.start >= caret; });
    if (!found || !holds(reader.tags()[*found]))
        return std::nullopt;
    return found;
}

// Whether `other` closes the pairing `tag` opens, counting in `depth` the pairs of the same
// name passed over on the way.
bool closes(const Tag &other, const Tag &tag, int &depth)
{
    if (!hasPartner(other) || other.name.compare(tag.name, Qt::CaseInsensitive) != 0)
        return false;
    if (other.isEnd == tag.isEnd) {
        ++depth;
        return false;
    }
    return depth-- == 0;
}

Range rangeOf(const Tag &tag)
{
    return Range{tag.start, tag.end - tag.start};
}

} // namespace

std::optional<Range> partnerOf(QStringView text, HtmlLexer::State entry, qsizetype caret)
{
    TagReader reader(text, entry);
    const std::optional<std::size_t> at = tagAt(reader, caret);
    if (!at || !hasPartner(reader.tags()[*at]))
        return std::nullopt;
    const Tag tag = reader.tags()[*at];
    int depth = 0;
    if (tag.isEnd) {
        const auto before = reader.tags().rend() - std::ptrdiff_t(*at);
        const auto found = std::find_if(before, reader.tags().rend(), [&](const Tag &other) {
            return closes(other, tag, depth);
        });
        return found == reader.tags().rend() ? std::nullopt : std::optional(rangeOf(*found));
    }
    const std::optional<std::size_t> found =
        firstSettled(reader, *at + 1, [&](const Tag &other) { return closes(other, tag, depth); });
    return found ? std::optional(rangeOf(reader.tags()[*found])) : std::nullopt;
}

} // namespace TagPair
