#include "document/textmodel.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {

const QLatin1StringView CrLf("\r\n");

// A block's user state: the break after its line. A block the file did not set (a new
// line, or a line with the document's own break) keeps the widget's default.
constexpr int DocumentBreakState = -1;
// The file's last line had no break; kept only while the document ends with that line.
constexpr int NoBreakState = 3;

constexpr char16_t Placeholder = 0xFFFD;

// A placeholder that carries this property is the character it names.
constexpr int OriginalCharacter = QTextFormat::UserProperty + 1;

// Characters the widget turns into block or frame breaks.
bool isWidgetBreak(char16_t c)
{
    return c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

struct TaggedCharacter {
    qsizetype position;
    char16_t original;
};

// `text` with a placeholder for each character the widget cannot hold, listed in `tagged`.
// Most texts have none and keep their string, which spares a copy of a large file.
QString widgetForm(const QString &text, std::vector<TaggedCharacter> &tagged)
{
    QString form = text;
    const QStringView scanned(text);
    for (qsizetype i = 0; i < scanned.size(); ++i) {
        const char16_t c = scanned[i].unicode();
        if (isWidgetBreak(c)) {
            tagged.push_back({i, c});
            form[i] = QChar(Placeholder);
        }
    }
    return form;
}

void applyTags(QTextDocument &document, int start, const std::vector<TaggedCharacter> &tagged)
{
    for (const TaggedCharacter &t : tagged) {
        QTextCursor cursor(&document);
        cursor.setPosition(start + int(t.position));
        cursor.setPosition(start + int(t.position) + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setProperty(OriginalCharacter, int(t.original));
        cursor.mergeCharFormat(format);
    }
}

char16_t originalAt(const QTextBlock &block, int position)
{
    QTextCursor cursor(block);
    cursor.setPosition(position + 1);
    const QVariant original = cursor.charFormat().property(OriginalCharacter);
    return original.isValid() ? char16_t(original.toInt()) : 0;
}

// Appends the characters of `block` at widget positions [from, to), placeholders resolved.
void appendBlockText(QString &out, const QTextBlock &block, int from, int to)
{
    const QString text = block.text();
    const QStringView part = QStringView(text).sliced(from - block.position(), to - from);
    if (!part.contains(QChar(Placeholder))) {
        out += part;
        return;
    }
    for (qsizetype i = 0; i < part.size(); ++i) {
        const char16_t original =
            part[i] == QChar(Placeholder) ? originalAt(block, from + int(i)) : 0;
        out += original ? QChar(original) : part[i];
    }
}

int endOf(const QTextBlock &block)
{
    return block.position() + block.length() - 1;
}

} // namespace

TextModel::TextModel(QPlainTextEdit &widget) : widget_(widget), document_(*widget.document()) {}

// The model text of widget positions [from, to).
QString TextModel::modelText(int from, int to) const
{
    QString out;
    out.reserve(toModelOffset(to) - toModelOffset(from));
    for (QTextBlock block = document_.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        appendBlockText(out, block, std::max(from, block.position()), std::min(to, endOf(block)));
        if (endOf(block) < to)
            out += CrLf;
    }
    return out;
}

QString TextModel::Text() const
{
    return modelText(0, document_.characterCount() - 1);
}

void TextModel::fill(const QString &text)
{
    std::vector<TaggedCharacter> tagged;
    const QString form = widgetForm(text, tagged);
    // The widget gives the whole new text the caret's character format, which must not be
    // the tag of a character the old text held.
    QTextCursor plain(&document_);
    plain.setCharFormat(QTextCharFormat());
    widget_.setTextCursor(plain);
    widget_.setPlainText(form);
    if (!tagged.empty())
        applyTags(document_, 0, tagged);
    widget_.setTextCursor(QTextCursor(&document_));
}

void TextModel::setText(const QString &text)
{
    fill(text);
}

void TextModel::setFileText(const QString &text, Ending ending)
{
    const LineBreaks breaks = lineBreaksOf(text);
    documentBreak_ = breaks.mostCommon;
    fill(text);
    keepFileBreaks(breaks.perLine);
    if (ending == Ending::LineBreakAdded && !text.isEmpty() && !endsWithLineBreak(text))
        addFinalLineBreak();
}

// Only lines whose break differs from the document's need to remember it.
void TextModel::keepFileBreaks(const std::vector<LineBreak> &perLine)
{
    const auto differs = [this](LineBreak b) { return b != documentBreak_; };
    if (std::none_of(perLine.begin(), perLine.end(), differs))
        return;
    QTextBlock block = document_.begin();
    for (const LineBreak lineBreak : perLine) {
        if (differs(lineBreak))
            block.setUserState(int(lineBreak));
        block = block.next();
    }
}

// The open command ends the file's last line with a break; the save leaves it out again.
void TextModel::addFinalLineBreak()
{
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    cursor.block().setUserState(NoBreakState);
    cursor.insertBlock();
    document_.clearUndoRedoStacks();
    widget_.setTextCursor(QTextCursor(&document_));
}

std::optional<LineBreak> TextModel::breakAfter(const QTextBlock &block) const
{
    const QTextBlock next = block.next();
    if (!next.isValid())
        return std::nullopt;
    const int state = block.userState();
    if (state == NoBreakState && !next.next().isValid() && next.length() == 1)
        return std::nullopt;
    if (state >= int(LineBreak::CrLf) && state <= int(LineBreak::Cr))
        return LineBreak(state);
    return documentBreak_;
}

QString TextModel::fileText() const
{
    QString out;
    out.reserve(length());
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        appendBlockText(out, block, block.position(), endOf(block));
        if (const std::optional<LineBreak> lineBreak = breakAfter(block))
            out += breakText(*lineBreak);
    }
    return out;
}

qsizetype TextModel::length() const
{
    // Each block break is one widget character but two in the model (CR LF).
    return document_.characterCount() - 1 + document_.blockCount() - 1;
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

void TextModel::setSelText(const QString &text)
{
    QTextCursor cursor = widget_.textCursor();
    cursor.beginEditBlock();
    replaceSelection(cursor, text);
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
    const QTextBlock first = cursor.block();
    const int lineBreak = first.userState();
    // A plain format, so the inserted text never inherits a neighbour's tag.
    cursor.insertText(form, QTextCharFormat());
    if (cursor.block() != first) {
        // The line's own break stays at its end, after the inserted lines; the breaks that
        // went in are the document's.
        cursor.block().setUserState(lineBreak);
        document_.findBlock(start).setUserState(DocumentBreakState);
    }
    if (!tagged.empty())
        applyTags(document_, start, tagged);
}

// From the last range to the first, so the positions of the ranges still to do stay valid;
// the caret, put after the last replacement first, moves along with the edits before it.
void TextModel::replaceEach(const std::vector<qsizetype> &starts, qsizetype length,
                            const QString &text)
{
    if (starts.empty())
        return;
    std::vector<qsizetype> bounds;
    bounds.reserve(starts.size() * 2);
    for (const qsizetype start : starts)
        bounds.insert(bounds.end(), {start, start + length});
    const std::vector<int> positions = toWidgetPositions(bounds);
    QTextCursor cursor(&document_);
    QTextCursor caret(&document_);
    cursor.beginEditBlock();
    for (auto bound = positions.rbegin(); bound != positions.rend(); bound += 2) {
        cursor.setPosition(bound[1]);
        cursor.setPosition(bound[0], QTextCursor::KeepAnchor);
        replaceSelection(cursor, text);
        if (bound == positions.rbegin())
            caret.setPosition(cursor.position());
    }
    cursor.endEditBlock();
    widget_.setTextCursor(caret);
    widget_.ensureCursorVisible();
}

qsizetype TextModel::toModelOffset(int widgetPosition) const
{
    return widgetPosition + document_.findBlock(widgetPosition).blockNumber();
}

int TextModel::toWidgetPosition(qsizetype modelOffset) const
{
    if (modelOffset <= 0)
        return 0;
    // The block whose model start (widget position + block number) is the last one not
    // after the offset.
    int low = 0;
    int high = document_.blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (document_.findBlockByNumber(mid).position() + mid <= modelOffset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = document_.findBlockByNumber(low);
    const qsizetype inBlock = modelOffset - (block.position() + low);
    // An offset between the CR and the LF of a line break stays at the end of the line.
    return block.position() + int(std::min<qsizetype>(inBlock, block.length() - 1));
}

// As toWidgetPosition, for ascending offsets in one walk over the blocks.
std::vector<int> TextModel::toWidgetPositions(const std::vector<qsizetype> &offsets) const
{
    std::vector<int> positions;
    positions.reserve(offsets.size());
    QTextBlock block = document_.begin();
    for (const qsizetype offset : offsets) {
        for (QTextBlock next = block.next();
             next.isValid() && toModelOffset(next.position()) <= offset; next = block.next())
            block = next;
        const qsizetype inBlock = offset - toModelOffset(block.position());
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
