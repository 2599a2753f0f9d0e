#include "textmodel/textmodel.h"

#include "codepage/rawbytes.h"
#include "platform/platform.h"
#include "textmodel/blockbreaks.h"
#include "textmodel/placeholders.h"
#include "textmodel/textcopy.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

using blockbreaks::hasSeamAfter;
using blockbreaks::PieceLength;
using namespace placeholders;

namespace {

QTextCursor::MoveMode moveMode(TextModel::Motion motion)
{
    return motion == TextModel::Motion::Select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
}

} // namespace

// A replace-all's text for the span it rebuilds, with what the kept characters carry: the
// marks of the breaks that are not the document's, and the characters held as placeholders
// (both at their index in `text`).
struct TextModel::RebuiltSpan {
    QString text;
    std::vector<std::pair<qsizetype, int>> marks;
    std::vector<TaggedCharacter> tagged;
};

TextModel::TextModel(QPlainTextEdit &widget)
    : widget_(widget), document_(*widget.document()),
      changed_(
          QObject::connect(&document_, &QTextDocument::contentsChange,
                           [this](int, int removed, int added) { noteChange(removed, added); }))
{
}

// A change can only end or bring back a mix of breaks when it removes or brings back a
// break: then the number of blocks changes, or something was replaced.
void TextModel::noteChange(int removed, int added)
{
    pieceBreaks_.reset();
    if (document_.blockCount() != blockCount_ || (removed > 0 && added > 0))
        mixedBreaks_.reset();
    blockCount_ = document_.blockCount();
}

TextModel::~TextModel()
{
    QObject::disconnect(changed_);
}

// The model text of widget positions [from, to).
QString TextModel::modelText(int from, int to) const
{
    return TextCopy(document_, from, to, documentBreak_).modelText();
}

QString TextModel::Text() const
{
    return modelText(0, document_.characterCount() - 1);
}

// `marks` holds the mark of every line break of `text`.
void TextModel::fill(const QString &text, std::vector<signed char> marks, qsizetype longestLine)
{
    hasPieces_ = longestLine > PieceLength;
    std::vector<TaggedCharacter> tagged;
    const QString form = widgetForm(hasPieces_ ? blockbreaks::inPieces(text, marks) : text, tagged);
    // The widget gives the whole new text the caret's character format, which must not be
    // the tag of a character the old text held.
    QTextCursor plain(&document_);
    plain.setCharFormat(QTextCharFormat());
    widget_.setTextCursor(plain);
    widget_.setPlainText(form);
    if (!tagged.empty())
        applyTags(document_, 0, tagged);
    hasOwnBreaks_ = std::any_of(marks.begin(), marks.end(), blockbreaks::isOwnBreak);
    mixedBreaks_.reset();
    if (std::any_of(marks.begin(), marks.end(),
                    [](signed char mark) { return mark != blockbreaks::DocumentBreak; }))
        blockbreaks::setMarks(document_, marks);
    // A new text starts a new history.
    document_.clearUndoRedoStacks();
    widget_.setTextCursor(QTextCursor(&document_));
}

void TextModel::setText(const QString &text)
{
    const LineBreaks breaks = lineBreaksOf(text);
    fill(text, std::vector<signed char>(breaks.perLine.size(), blockbreaks::DocumentBreak),
         breaks.longestLine);
}

void TextModel::setFileText(const QString &text, Ending ending,
                            std::optional<LineBreak> documentBreak)
{
    const LineBreaks breaks = lineBreaksOf(text);
    documentBreak_ = documentBreak.value_or(breaks.mostCommon);
    // Only lines whose break differs from the document's need to remember it.
    std::vector<signed char> marks;
    marks.reserve(breaks.perLine.size());
    for (const LineBreak lineBreak : breaks.perLine)
        marks.push_back(lineBreak == documentBreak_ ? blockbreaks::DocumentBreak : int(lineBreak));
    fill(text, std::move(marks), breaks.longestLine);
    if (ending == Ending::LineBreakAdded && !text.isEmpty() && !endsWithLineBreak(text))
        addFinalLineBreak();
}

// The open command ends the file's last line with a break; the save leaves it out again.
void TextModel::addFinalLineBreak()
{
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(cursor.blockFormat(), blockbreaks::formatFor(blockbreaks::NoBreak));
    document_.clearUndoRedoStacks();
    widget_.setTextCursor(QTextCursor(&document_));
}

// The file's text of widget positions [from, to).
QString TextModel::fileText(int from, int to) const
{
    return TextCopy(document_, from, to, documentBreak_).fileText();
}

TextCopy TextModel::copy() const
{
    return TextCopy(document_, 0, document_.characterCount() - 1, documentBreak_);
}

QString TextModel::fileText() const
{
    return copy().fileText();
}

// Found again only after an edit that may have changed it, and only in a document whose
// file had breaks of more than one kind.
bool TextModel::hasMixedBreaks() const
{
    if (!hasOwnBreaks_)
        return false;
    if (!mixedBreaks_) {
        mixedBreaks_ = false;
        for (QTextBlock block = document_.begin(); block.isValid() && !*mixedBreaks_;
             block = block.next())
            mixedBreaks_ = blockbreaks::isOwnBreak(blockbreaks::markAfter(block));
    }
    return *mixedBreaks_;
}

void TextModel::setAllBreaks(LineBreak lineBreak)
{
    documentBreak_ = lineBreak;
    if (!hasOwnBreaks_)
        return;
    // One edit of the history: undoing it gives the lines their own breaks back.
    QTextCursor cursor(&document_);
    cursor.beginEditBlock();
    for (QTextBlock block = document_.begin(); block.next().isValid(); block = block.next()) {
        if (blockbreaks::isOwnBreak(blockbreaks::markAfter(block))) {
            cursor.setPosition(block.next().position());
            cursor.setBlockCharFormat(blockbreaks::formatFor(blockbreaks::DocumentBreak));
        }
    }
    cursor.endEditBlock();
    mixedBreaks_.reset();
}

// The numbers of the blocks whose line goes on in the next block, in order; found again
// after every change of the text, and only in a document that was given long lines.
const std::vector<int> &TextModel::pieceBreaks() const
{
    if (!pieceBreaks_) {
        pieceBreaks_.emplace();
        if (hasPieces_) {
            for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
                if (hasSeamAfter(block))
                    pieceBreaks_->push_back(block.blockNumber());
            }
        }
    }
    return *pieceBreaks_;
}

// The model offset of widget position `position` in block `number`. Every block break
// before it is one widget character; in the model a line break counts two, a break between
// two pieces of a line none.
qsizetype TextModel::offsetAt(int number, int position) const
{
    const std::vector<int> &breaks = pieceBreaks();
    const qsizetype pieces =
        std::lower_bound(breaks.begin(), breaks.end(), number) - breaks.begin();
    return position + (number - pieces) - pieces;
}

void TextModel::moveOffPieceBreaks(Direction direction, Motion motion)
{
    QTextCursor cursor = widget_.textCursor();
    if (cursor.hasSelection() && motion == Motion::Move)
        return;
    const QTextCursor::MoveMode mode = moveMode(motion);
    if (direction == Direction::Forward) {
        while (cursor.atBlockEnd() && hasSeamAfter(cursor.block()))
            cursor.movePosition(QTextCursor::NextCharacter, mode);
    } else {
        while (cursor.atBlockStart() && hasSeamAfter(cursor.block().previous()))
            cursor.movePosition(QTextCursor::PreviousCharacter, mode);
    }
    widget_.setTextCursor(cursor);
}

void TextModel::moveToLineEdge(Direction direction, Motion motion)
{
    QTextCursor cursor = widget_.textCursor();
    QTextBlock block = cursor.block();
    if (direction == Direction::Forward) {
        while (hasSeamAfter(block))
            block = block.next();
        cursor.setPosition(block.position() + block.length() - 1, moveMode(motion));
    } else {
        while (hasSeamAfter(block.previous()))
            block = block.previous();
        cursor.setPosition(block.position(), moveMode(motion));
    }
    widget_.setTextCursor(cursor);
    widget_.ensureCursorVisible();
}

qsizetype TextModel::length() const
{
    const QTextBlock last = document_.lastBlock();
    return offsetAt(last.blockNumber(), last.position()) + last.length() - 1;
}

bool TextModel::isEmpty() const
{
    return document_.characterCount() <= 1;
}

QString TextModel::SelText() const
{
    const QTextCursor cursor = widget_.textCursor();
    return modelText(cursor.selectionStart(), cursor.selectionEnd());
}

QString TextModel::textBeforeCaret(int reach) const
{
    const int end = widget_.textCursor().selectionStart();
    return modelText(std::max(0, end - reach), end);
}

QString TextModel::selFileText() const
{
    const QTextCursor cursor = widget_.textCursor();
    return fileText(cursor.selectionStart(), cursor.selectionEnd());
}

void TextModel::setSelText(const QString &text)
{
    if (!admits(text))
        return;
    QTextCursor cursor = widget_.textCursor();
    const int first = document_.findBlock(cursor.selectionStart()).blockNumber();
    cursor.beginEditBlock();
    replaceSelection(cursor, text);
    cutLongLines(first, cursor.blockNumber());
    cursor.endEditBlock();
    widget_.setTextCursor(cursor);
    widget_.ensureCursorVisible();
}

void TextModel::replaceSelection(QTextCursor &cursor, const QString &text)
{
    std::vector<TaggedCharacter> tagged;
    const QString form = widgetForm(text, tagged);
    cursor.removeSelectedText();
    const int start = cursor.position();
    // A plain format, so the inserted text never inherits a neighbour's tag, and the breaks
    // that go in are the document's. The line's own break stays at its end, after them.
    cursor.insertText(form, QTextCharFormat());
    if (!tagged.empty())
        applyTags(document_, start, tagged);
}

// The span from the first range to the last is taken out and put back rebuilt, in one edit:
// the widget pays for one change instead of one per range. What the blocks of the span
// carry (each break's mark, the characters held as placeholders) is read before and given
// to the rebuilt text's same characters after, in the same edit, so undo and redo keep it.
void TextModel::replaceEach(const std::vector<Range> &ranges, const QString &text)
{
    replaceEach(ranges, std::vector<QString>(ranges.size(), text));
}

void TextModel::replaceEach(const std::vector<Range> &ranges, const std::vector<QString> &texts)
{
    if (ranges.empty() || ranges.size() != texts.size() ||
        !std::all_of(texts.begin(), texts.end(), [this](const QString &t) { return admits(t); }))
        return;
    std::vector<qsizetype> bounds;
    bounds.reserve(ranges.size() * 2);
    for (const Range &range : ranges)
        bounds.insert(bounds.end(), {range.start, range.start + range.length});
    const std::vector<int> positions = toWidgetPositions(bounds);
    const int from = positions.front();
    const RebuiltSpan span = rebuiltSpan(positions, texts);
    QTextCursor cursor(&document_);
    cursor.beginEditBlock();
    cursor.setPosition(from);
    cursor.setPosition(positions.back(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.insertText(span.text, QTextCharFormat());
    const QTextCursor caret = cursor;
    for (const auto &[index, mark] : span.marks) {
        cursor.setPosition(from + int(index) + 1);
        cursor.setBlockCharFormat(blockbreaks::formatFor(mark));
    }
    applyTags(document_, from, span.tagged);
    cutLongLines(document_.findBlock(from).blockNumber(), caret.blockNumber());
    cursor.endEditBlock();
    widget_.setTextCursor(caret);
    widget_.ensureCursorVisible();
}

// The widget text of the span from `positions.front()` to `positions.back()` with each
// range of `positions` (start and end, pairs) replaced by the text of the same index in
// `texts`; every break in it is one U+2029, so an index into it is a widget position counted
// from the span's start. A replace-all's texts are one shared string, put in its widget form
// once.
TextModel::RebuiltSpan TextModel::rebuiltSpan(const std::vector<int> &positions,
                                              const std::vector<QString> &texts) const
{
    const int from = positions.front();
    const QString raw = widgetText(document_, from, positions.back());
    std::vector<TaggedCharacter> replacementTags;
    QString replacement;
    RebuiltSpan span;
    span.text.reserve(raw.size() + qsizetype(positions.size() / 2) * texts.front().size());
    QTextBlock block = document_.findBlock(from);
    // Keeps the span's widget text of [start, end) and what its characters carry.
    const auto keep = [&](int start, int end) {
        const QStringView kept = QStringView(raw).sliced(start - from, end - start);
        for (qsizetype i = 0; i < kept.size(); ++i) {
            if (kept[i] == QChar(Placeholder)) {
                if (const char16_t original = originalAt(block, start + int(i)))
                    span.tagged.push_back({span.text.size() + i, original});
            } else if (kept[i] == QChar(ParagraphSeparator)) {
                if (const int mark = blockbreaks::markAfter(block);
                    mark != blockbreaks::DocumentBreak)
                    span.marks.emplace_back(span.text.size() + i, mark);
                block = block.next();
            }
        }
        span.text += kept;
    };
    for (std::size_t i = 0; i < positions.size(); i += 2) {
        if (i > 0)
            keep(positions[i - 1], positions[i]);
        if (i == 0 || !texts[i / 2].isSharedWith(texts[i / 2 - 1])) {
            replacementTags.clear();
            replacement = spanForm(texts[i / 2], replacementTags);
        }
        for (const TaggedCharacter &t : replacementTags)
            span.tagged.push_back({span.text.size() + t.position, t.original});
        span.text += replacement;
        // The range's own text is skipped, and with it the blocks it ends.
        for (int p = positions[i]; p < positions[i + 1]; ++p) {
            if (raw[p - from] == QChar(ParagraphSeparator))
                block = block.next();
        }
    }
    return span;
}

// Inserted text can make a line of any length; it is shown in pieces as an opened file's is.
void TextModel::cutLongLines(int first, int last)
{
    if (blockbreaks::cutLongBlocks(document_, first, last))
        hasPieces_ = true;
}

// Typed text goes into the widget directly. A piece grown to twice its length is cut again,
// in the same undo step as the key that grew it.
void TextModel::cutGrownPiece()
{
    QTextCursor cursor = widget_.textCursor();
    if (cursor.block().length() <= 2 * PieceLength)
        return;
    cursor.joinPreviousEditBlock();
    cutLongLines(cursor.blockNumber(), cursor.blockNumber());
    cursor.endEditBlock();
}

// A stand-in that did not come from the document would be written as a byte it never had.
// One the document holds is one of its kept bytes, moved or wrapped in markup.
bool TextModel::admits(QStringView text) const
{
    const auto isForeign = [this](QChar c) {
        return rawbytes::isStandIn(c) && document_.find(QString(c)).isNull();
    };
    const auto standIn = std::find_if(text.begin(), text.end(), isForeign);
    if (standIn == text.end())
        return true;
    const QString codePoint =
        QString::number(standIn->unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    platform::warn(&widget_, QStringLiteral("U+%1 の文字は書き込めません\n"
                                            "U+EF00～U+EFFF の文字は、変換できなかったﾊﾞｲﾄを"
                                            "表すのに使っています")
                                 .arg(codePoint));
    return false;
}

// The first block of the 0-based `line`: the block whose number, less the piece breaks
// before it, is the line's. Each round counts the breaks before the block found so far,
// which can only move it on.
QTextBlock TextModel::lineStart(int line) const
{
    const std::vector<int> &breaks = pieceBreaks();
    int number = line;
    for (;;) {
        const int before =
            int(std::lower_bound(breaks.begin(), breaks.end(), number) - breaks.begin());
        if (line + before == number)
            return document_.findBlockByNumber(number);
        number = line + before;
    }
}

qsizetype TextModel::offsetOfLineColumn(int line, int column) const
{
    QTextBlock block = lineStart(std::max(line, 1) - 1);
    if (!block.isValid())
        return length();
    int position = block.position();
    for (int skipped = 1; skipped < column; ++skipped) {
        while (position == block.position() + block.length() - 1 && hasSeamAfter(block)) {
            block = block.next();
            position = block.position();
        }
        if (position == block.position() + block.length() - 1)
            break;
        const bool pair = QChar::isHighSurrogate(document_.characterAt(position).unicode()) &&
                          QChar::isLowSurrogate(document_.characterAt(position + 1).unicode());
        position += pair ? 2 : 1;
    }
    return toModelOffset(position);
}

qsizetype TextModel::toModelOffset(int widgetPosition) const
{
    const QTextBlock block = document_.findBlock(widgetPosition);
    return offsetAt(block.blockNumber(), widgetPosition);
}

int TextModel::toWidgetPosition(qsizetype modelOffset) const
{
    if (modelOffset <= 0)
        return 0;
    // The last block whose model start is not after the offset.
    int low = 0;
    int high = document_.blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (offsetAt(mid, document_.findBlockByNumber(mid).position()) <= modelOffset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = document_.findBlockByNumber(low);
    const qsizetype inBlock = modelOffset - offsetAt(low, block.position());
    // An offset between the CR and the LF of a line break stays at the end of the line.
    return block.position() + int(std::min<qsizetype>(inBlock, block.length() - 1));
}

// As toWidgetPosition, for ascending offsets in one walk over the blocks.
std::vector<int> TextModel::toWidgetPositions(const std::vector<qsizetype> &offsets) const
{
    std::vector<int> positions;
    positions.reserve(offsets.size());
    QTextBlock block = document_.begin();
    int number = 0;
    for (const qsizetype offset : offsets) {
        for (QTextBlock next = block.next();
             next.isValid() && offsetAt(number + 1, next.position()) <= offset;
             next = block.next()) {
            block = next;
            ++number;
        }
        const qsizetype inBlock = offset - offsetAt(number, block.position());
        positions.push_back(block.position() +
                            int(std::min<qsizetype>(inBlock, block.length() - 1)));
    }
    return positions;
}

qsizetype TextModel::SelStart() const
{
    return toModelOffset(widget_.textCursor().selectionStart());
}

void TextModel::setSelStart(qsizetype offset)
{
    QTextCursor cursor = widget_.textCursor();
    cursor.setPosition(toWidgetPosition(offset));
    widget_.setTextCursor(cursor);
}

qsizetype TextModel::SelLength() const
{
    const QTextCursor cursor = widget_.textCursor();
    return toModelOffset(cursor.selectionEnd()) - toModelOffset(cursor.selectionStart());
}

void TextModel::setSelLength(qsizetype length)
{
    QTextCursor cursor = widget_.textCursor();
    const int start = cursor.selectionStart();
    const qsizetype end = toModelOffset(start) + std::max<qsizetype>(length, 0);
    cursor.setPosition(start);
    cursor.setPosition(toWidgetPosition(end), QTextCursor::KeepAnchor);
    widget_.setTextCursor(cursor);
}
