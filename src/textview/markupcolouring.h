#pragma once

// The colours of the markup in a document's text, given block by block as blocks are drawn.
// A 10 MB page opens as fast as without colours: only the blocks on screen are coloured,
// and the state each block starts in is read from the one before, as far back as needed,
// once. The end state of every block read so far is kept until a change of the text makes
// it stale. The colours of the blocks on screen are kept too, and a block is read again
// only when its text or the state it starts in has changed: typing in a piece of a long
// line reads that piece alone. The colours go to the painter, never into the text or its
// layout, so copies, finds, offsets and saves never see them.

#include "textview/blockpainter.h"
#include "textview/htmllexer.h"

#include <QMetaObject>
#include <QString>

#include <map>
#include <optional>
#include <vector>

class QTextBlock;
class QTextDocument;

class MarkupColouring {
public:
    explicit MarkupColouring(QTextDocument &document);
    ~MarkupColouring();
    MarkupColouring(const MarkupColouring &) = delete;
    MarkupColouring &operator=(const MarkupColouring &) = delete;

    // The colours of `block`, in the order of its text.
    const std::vector<ColourStretch> &coloursOf(const QTextBlock &block);
    // Whether `block` was coloured from a state other than the one it starts in now: a
    // change above it (a comment opened) has made the colours it shows stale.
    bool startsOtherwise(const QTextBlock &block);
    // Forgets the colours of the blocks outside [first, last], no longer shown.
    void keepOnly(int first, int last);
    // The state the reading of `block` starts in, where the colouring has read that far (the
    // blocks shown and all above them are read as they are coloured); none where it has not.
    // Reads nothing.
    std::optional<HtmlLexer::State> stateRead(const QTextBlock &block) const;

private:
    struct Coloured {
        QString text;
        HtmlLexer::State entry;
        HtmlLexer::State end;
        std::vector<ColourStretch> colours;
    };

    void forgetFrom(int position);
    HtmlLexer::State stateBefore(const QTextBlock &block);
    const Coloured *known(const QTextBlock &block, const QString &text,
                          HtmlLexer::State entry) const;

    QTextDocument &document_;
    // The state after each of the first blocks; a change drops the entries from its block on.
    std::vector<HtmlLexer::State> endStates_;
    // The colours of the blocks shown, by block number, with what they were read from.
    std::map<int, Coloured> coloured_;
    QMetaObject::Connection changed_;
};
