#include "textview/tagpairmark.h"

#include "textview/markupcolouring.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <utility>

namespace {

// How far on either side of the caret the partner is looked for, so that a key press in a
// page of many megabytes reads no more than a page's worth of text.
constexpr int Reach = 20000;
const QColor BoxColour(0x9C, 0xB4, 0xE0);

} // namespace

TagPairMark::TagPairMark(QPlainTextEdit &box, const MarkupColouring &colouring)
    : box_(box), colouring_(colouring)
{
    connections_.push_back(
        QObject::connect(&box, &QPlainTextEdit::cursorPositionChanged, [this] { lookLater(); }));
    connections_.push_back(
        QObject::connect(box.document(), &QTextDocument::contentsChange, [this] { lookLater(); }));
}

TagPairMark::~TagPairMark()
{
    for (const QMetaObject::Connection &connection : connections_)
        QObject::disconnect(connection);
}

// A key press moves the caret and changes the text, and a long edit changes it many times:
// one look, once they are done, before the box is painted again.
void TagPairMark::lookLater()
{
    if (std::exchange(lookPending_, true))
        return;
    QMetaObject::invokeMethod(
        &box_, [this] { look(); }, Qt::QueuedConnection);
}

void TagPairMark::look()
{
    lookPending_ = false;
    const std::optional<TagPair::Range> found = partnerNear(box_.textCursor().position());
    if (found == partner_)
        return;
    box_.viewport()->update(painted_);
    partner_ = found;
    for (const QRect &rect : boxes())
        box_.viewport()->update(rect);
}

// The whole lines within the reach, joined by the one position each block break takes, so
// that an offset in the stretch is a widget position less the stretch's start.
std::optional<TagPair::Range> TagPairMark::partnerNear(int caret)
{
    const QTextDocument &document = *box_.document();
    QTextBlock first = document.findBlock(caret);
    QTextBlock last = first;
    while (first.previous().isValid() && first.previous().position() >= caret - Reach)
        first = first.previous();
    while (last.next().isValid() &&
           last.next().position() + last.next().length() - 1 <= caret + Reach)
        last = last.next();
    QString text;
    for (QTextBlock block = first; block != last; block = block.next())
        text += block.text() + u'\n';
    text += last.text();
    const std::optional<HtmlLexer::State> entry = colouring_.stateRead(first);
    guessedFrom_.reset();
    if (!entry)
        guessedFrom_ = first.blockNumber();
    std::optional<TagPair::Range> found =
        TagPair::partnerOf(text, entry.value_or(HtmlLexer::State()), caret - first.position());
    if (found)
        found->start += first.position();
    return found;
}

// One rectangle for each shown line the partner is on, in the viewport.
std::vector<QRect> TagPairMark::boxes() const
{
    std::vector<QRect> rects;
    const QTextDocument &document = *box_.document();
    if (!partner_ || partner_->start + partner_->length >= document.characterCount())
        return rects;
    const int start = int(partner_->start);
    const int end = int(partner_->start + partner_->length);
    const int firstShown = box_.cursorForPosition(QPoint(0, 0)).blockNumber();
    const int lastShown =
        box_.cursorForPosition(QPoint(0, box_.viewport()->height())).blockNumber();
    const auto rectAt = [this](int position) {
        QTextCursor cursor(box_.document());
        cursor.setPosition(position);
        return box_.cursorRect(cursor);
    };
    for (QTextBlock block = document.findBlock(start);
         block.isValid() && block.position() < end && block.blockNumber() <= lastShown;
         block = block.next()) {
        if (block.blockNumber() < firstShown)
            continue;
        const QRect left = rectAt(std::max(start, block.position()));
        const QRect right = rectAt(std::min(end, block.position() + block.length() - 1));
        rects.emplace_back(left.left(), left.top(), right.left() - left.left(), left.height());
    }
    return rects;
}

void TagPairMark::paint(QPainter &painter)
{
    if (guessedFrom_ && colouring_.stateRead(box_.document()->findBlockByNumber(*guessedFrom_))) {
        guessedFrom_.reset();
        lookLater();
    }
    painted_ = QRegion();
    const std::vector<QRect> rects = boxes();
    painter.setPen(QPen(BoxColour, 1));
    painter.setBrush(Qt::NoBrush);
    for (const QRect &rect : rects) {
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painted_ += rect;
    }
}
