#pragma once

// The colours of the markup in a document's text, given block by block as blocks are shown.
// A 10 MB page opens as fast as without colours: only the blocks on screen are coloured,
// and the state each block starts in is read from the one before, as far back as needed,
// once. The end state of every block read so far is kept until a change of the text makes
// it stale; the formats live in the blocks' layouts, never in the text, so copies, finds,
// offsets and saves never see them.

#include "document/htmllexer.h"

#include <QMetaObject>
#include <QTextBlock>

#include <vector>

class QTextDocument;

class MarkupColouring {
public:
    explicit MarkupColouring(QTextDocument &document);
    ~MarkupColouring();
    MarkupColouring(const MarkupColouring &) = delete;
    MarkupColouring &operator=(const MarkupColouring &) = delete;

    // Colours `block` (its layout); leaves it as it is when it already has these colours.
    void colour(const QTextBlock &block);
    // Takes the colours off `block`.
    void clear(const QTextBlock &block);

private:
    HtmlLexer::State stateBefore(const QTextBlock &block);

    QTextDocument &document_;
    // The state after each of the first blocks; a change drops the entries from its block on.
    std::vector<HtmlLexer::State> endStates_;
    QMetaObject::Connection changed_;
};
