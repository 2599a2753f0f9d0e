#pragma once

// The colours of the markup in a document's text, given block by block as blocks are shown.
// A 10 MB page opens as fast as without colours: only the blocks on screen are coloured,
// and the state each block starts in is read from the one before, as far back as needed,
// once. The end state of every block read so far is kept until a change of the text makes
// it stale; the formats live in the blocks' layouts, never in the text, so copies, finds,
// offsets and saves never see them.

#include "textview/htmllexer.h"

#include <QMetaObject>
#include <QTextBlock>

#include <map>
#include <optional>
#include <vector>

class QTextDocument;

class MarkupColouring {
public:
    explicit MarkupColouring(QTextDocument &document);
    ~MarkupColouring();
    MarkupColouring(const MarkupColouring &) = delete;
    MarkupColouring &operator=(const MarkupColouring &) = delete;

    // The characters of a block that are on screen, [from, to).
    struct Columns {
        int from;
        int to;
        bool operator==(const Columns &) const = default;
    };
    // Colours `block` (its layout); leaves it as it is when it already has these colours.
    // Of a long block (a piece of a minified page) only the characters around `shown` are
    // coloured: every span costs the layout and the drawing of its own piece of text.
    void colour(const QTextBlock &block, Columns shown);
    // Takes the colours off `block`.
    void clear(const QTextBlock &block);
    // The state the reading of `block` starts in, where the colouring has read that far (the
    // blocks shown and all above them are read as they are coloured); none where it has not,
    // as before a long line shown plain. Reads nothing.
    std::optional<HtmlLexer::State> stateRead(const QTextBlock &block) const;

private:
    void forgetFrom(int position);
    HtmlLexer::State stateBefore(const QTextBlock &block);

    QTextDocument &document_;
    // The state after each of the first blocks; a change drops the entries from its block on.
    std::vector<HtmlLexer::State> endStates_;
    // What the shown blocks were coloured with, by block number, so that a block drawn
    // again (the caret blinks) is not read again.
    struct Coloured {
        HtmlLexer::State entry;
        Columns columns;
        bool operator==(const Coloured &) const = default;
    };
    std::map<int, Coloured> coloured_;
    QMetaObject::Connection changed_;
};
