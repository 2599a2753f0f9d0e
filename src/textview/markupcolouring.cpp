#include "textview/markupcolouring.h"

#include <QColor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace {

using HtmlLexer::Kind;

// Dark enough to read on the white page, apart from each other.
QTextCharFormat formatOf(Kind kind)
{
    static const std::array<QTextCharFormat, 6> formats = [] {
        const std::array<QColor, 6> colours = {
            QColor(0x00, 0x00, 0xC0), // tag name
            QColor(0x99, 0x45, 0x00), // attribute name
            QColor(0x00, 0x78, 0x00), // attribute value
            QColor(0x80, 0x80, 0x80), // comment
            QColor(0xC0, 0x00, 0x70), // character reference
            QColor(0x70, 0x30, 0xA0), // declaration
        };
        std::array<QTextCharFormat, 6> made;
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i].setForeground(colours[i]);
        return made;
    }();
    return formats[std::size_t(kind)];
}

// A block up to this length is coloured whole. Of a longer one, the characters shown and
// a margin on each side, in steps, so that a small horizontal scroll keeps the formats.
constexpr int ColouredWhole = 512;
constexpr int Step = 128;
// Shown blocks whose colours are remembered; past that the record starts again.
constexpr std::size_t ColouredKept = 4096;

MarkupColouring::Columns colouredColumns(MarkupColouring::Columns shown, int length)
{
    if (length <= ColouredWhole)
        return {0, length};
    return {std::max(0, shown.from / Step * Step - Step), (shown.to / Step + 2) * Step};
}

QList<QTextLayout::FormatRange> formatsOf(const std::vector<HtmlLexer::Span> &spans,
                                          MarkupColouring::Columns columns)
{
    QList<QTextLayout::FormatRange> ranges;
    for (const HtmlLexer::Span &span : spans) {
        const int from = std::max(span.start, columns.from);
        const int to = std::min(span.start + span.length, columns.to);
        if (from < to)
            ranges.append({from, to - from, formatOf(span.kind)});
    }
    return ranges;
}

// Gives the layout `ranges` and has the block laid out and shown again; the document
// learns of it as a change of layout only, not of its text.
void setFormats(QTextDocument &document, const QTextBlock &block,
                const QList<QTextLayout::FormatRange> &ranges)
{
    QTextLayout *layout = block.layout();
    if (layout->formats() == ranges)
        return;
    layout->setFormats(ranges);
    document.markContentsDirty(block.position(), block.length());
}

} // namespace

MarkupColouring::MarkupColouring(QTextDocument &document)
    : document_(document),
      changed_(QObject::connect(&document, &QTextDocument::contentsChange,
                                [this](int position, int, int) { forgetFrom(position); }))
{
}

// What was read from the changed block on is stale; what came before it is not.
void MarkupColouring::forgetFrom(int position)
{
    const int changed = document_.findBlock(position).blockNumber();
    if (std::size_t(changed) < endStates_.size())
        endStates_.resize(std::size_t(changed));
    coloured_.erase(coloured_.lower_bound(changed), coloured_.end());
}

MarkupColouring::~MarkupColouring()
{
    QObject::disconnect(changed_);
}

// Reads on from the last block whose end state is known, keeping each end state.
HtmlLexer::State MarkupColouring::stateBefore(const QTextBlock &block)
{
    const auto wanted = std::size_t(block.blockNumber());
    if (wanted <= endStates_.size())
        return wanted == 0 ? HtmlLexer::State() : endStates_[wanted - 1];
    HtmlLexer::State state = endStates_.empty() ? HtmlLexer::State() : endStates_.back();
    for (QTextBlock next = document_.findBlockByNumber(int(endStates_.size()));
         endStates_.size() < wanted; next = next.next()) {
        state = HtmlLexer::lex(next.text(), state, nullptr);
        endStates_.push_back(state);
    }
    return state;
}

void MarkupColouring::colour(const QTextBlock &block, Columns shown)
{
    const Coloured wanted{stateBefore(block), colouredColumns(shown, block.length())};
    const auto known = coloured_.find(block.blockNumber());
    if (known != coloured_.end() && known->second == wanted)
        return;
    std::vector<HtmlLexer::Span> spans;
    const HtmlLexer::State end = HtmlLexer::lex(block.text(), wanted.entry, &spans);
    if (std::size_t(block.blockNumber()) == endStates_.size())
        endStates_.push_back(end);
    setFormats(document_, block, formatsOf(spans, wanted.columns));
    if (coloured_.size() > ColouredKept)
        coloured_.clear();
    coloured_[block.blockNumber()] = wanted;
}

void MarkupColouring::clear(const QTextBlock &block)
{
    coloured_.erase(block.blockNumber());
    if (!block.layout()->formats().isEmpty())
        setFormats(document_, block, {});
}

std::optional<HtmlLexer::State> MarkupColouring::stateRead(const QTextBlock &block) const
{
    const auto wanted = std::size_t(block.blockNumber());
    if (wanted > endStates_.size())
        return std::nullopt;
    return wanted == 0 ? HtmlLexer::State() : endStates_[wanted - 1];
}
