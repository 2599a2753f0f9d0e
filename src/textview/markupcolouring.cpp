#include "textview/markupcolouring.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>

#include <array>

namespace {

using HtmlLexer::Kind;

// Dark enough to read on the white page, apart from each other.
QColor colourOf(Kind kind)
{
    static const std::array<QColor, 6> colours = {
        QColor(0x00, 0x00, 0xC0), // tag name
        QColor(0x99, 0x45, 0x00), // attribute name
        QColor(0x00, 0x78, 0x00), // attribute value
        QColor(0x80, 0x80, 0x80), // comment
        QColor(0xC0, 0x00, 0x70), // character reference
        QColor(0x70, 0x30, 0xA0), // declaration
    };
    return colours[std::size_t(kind)];
}

} // namespace

MarkupColouring::MarkupColouring(QTextDocument &document)
    : document_(document),
      changed_(QObject::connect(&document, &QTextDocument::contentsChange,
                                [this](int position, int, int) { forgetFrom(position); }))
{
}

MarkupColouring::~MarkupColouring()
{
    QObject::disconnect(changed_);
}

// What was read from the changed block on may be stale; what came before it is not. The
// colours kept for the blocks shown are checked against their text as they are drawn.
void MarkupColouring::forgetFrom(int position)
{
    const int changed = document_.findBlock(position).blockNumber();
    if (std::size_t(changed) < endStates_.size())
        endStates_.resize(std::size_t(changed));
}

const MarkupColouring::Coloured *
MarkupColouring::known(const QTextBlock &block, const QString &text, HtmlLexer::State entry) const
{
    const auto found = coloured_.find(block.blockNumber());
    if (found == coloured_.end() || found->second.entry != entry || found->second.text != text)
        return nullptr;
    return &found->second;
}

// Reads on from the last block whose end state is known, keeping each end state; a block
// whose colours are kept is not read again.
HtmlLexer::State MarkupColouring::stateBefore(const QTextBlock &block)
{
    const auto wanted = std::size_t(block.blockNumber());
    if (wanted <= endStates_.size())
        return wanted == 0 ? HtmlLexer::State() : endStates_[wanted - 1];
    HtmlLexer::State state = endStates_.empty() ? HtmlLexer::State() : endStates_.back();
    for (QTextBlock next = document_.findBlockByNumber(int(endStates_.size()));
         endStates_.size() < wanted; next = next.next()) {
        const QString text = next.text();
        const Coloured *kept = known(next, text, state);
        state = kept ? kept->end : HtmlLexer::lex(text, state, nullptr);
        endStates_.push_back(state);
    }
    return state;
}

const std::vector<ColourStretch> &MarkupColouring::coloursOf(const QTextBlock &block)
{
    const HtmlLexer::State entry = stateBefore(block);
    const QString text = block.text();
    if (const Coloured *kept = known(block, text, entry))
        return kept->colours;
    std::vector<HtmlLexer::Span> spans;
    const HtmlLexer::State end = HtmlLexer::lex(text, entry, &spans);
    if (std::size_t(block.blockNumber()) == endStates_.size())
        endStates_.push_back(end);
    std::vector<ColourStretch> colours;
    colours.reserve(spans.size());
    for (const HtmlLexer::Span &span : spans)
        colours.push_back({span.start, span.length, colourOf(span.kind)});
    Coloured &kept = coloured_[block.blockNumber()];
    kept = {text, entry, end, std::move(colours)};
    return kept.colours;
}

bool MarkupColouring::startsOtherwise(const QTextBlock &block)
{
    const auto found = coloured_.find(block.blockNumber());
    return found != coloured_.end() && found->second.entry != stateBefore(block);
}

void MarkupColouring::keepOnly(int first, int last)
{
    coloured_.erase(coloured_.begin(), coloured_.lower_bound(first));
    coloured_.erase(coloured_.upper_bound(last), coloured_.end());
}

std::optional<HtmlLexer::State> MarkupColouring::stateRead(const QTextBlock &block) const
{
    const auto wanted = std::size_t(block.blockNumber());
    if (wanted > endStates_.size())
        return std::nullopt;
    return wanted == 0 ? HtmlLexer::State() : endStates_[wanted - 1];
}
