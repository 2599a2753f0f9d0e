#pragma once

// The faint box on the other half of the tag at the caret (see TagPair), painted over the
// shown text as the blank marks are: the text and its formats never change. The partner is
// looked for again only when the caret moves or the text changes, once per turn of the event
// loop, no further than a reach of characters on either side of the caret; only the old and
// the new box are repainted.

#include "textview/tagpair.h"

#include <QMetaObject>
#include <QRegion>

#include <optional>
#include <vector>

class MarkupColouring;
class QPainter;
class QPlainTextEdit;
class QRect;

class TagPairMark {
public:
    TagPairMark(QPlainTextEdit &box, const MarkupColouring &colouring);
    ~TagPairMark();
    TagPairMark(const TagPairMark &) = delete;
    TagPairMark &operator=(const TagPairMark &) = delete;

    // Draws the box on the box's viewport, after its text.
    void paint(QPainter &painter);

private:
    void lookLater();
    void look();
    std::optional<TagPair::Range> partnerNear(int caret);
    std::vector<QRect> boxes() const;

    QPlainTextEdit &box_;
    const MarkupColouring &colouring_;
    // Widget positions.
    std::optional<TagPair::Range> partner_;
    // Where the box was last drawn, to be painted over when it moves.
    QRegion painted_;
    bool lookPending_ = false;
    // The first block of the last look's stretch when that look read it from plain text, not
    // knowing the state it starts in (in a comment or a script, say): the partner is looked
    // for again once the colours have read so far.
    std::optional<int> guessedFrom_;
    std::vector<QMetaObject::Connection> connections_;
};
