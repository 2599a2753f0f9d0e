#include "textmodel/blockbreaks.h"

#include "textmodel/linebreaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace blockbreaks {

namespace {

// The character format property holding a break's mark; a break without it is the
// document's.
constexpr int MarkProperty = QTextFormat::UserProperty + 2;

// Where a piece of the block starting at `start` may end near `end`: never between the two
// halves of a surrogate pair.
int pieceEnd(const QString &text, int start, int end)
{
    return text[end - start].isLowSurrogate() ? end - 1 : end;
}

} // namespace

bool isOwnBreak(int mark)
{
    return mark >= int(LineBreak::CrLf) && mark <= int(LineBreak::Cr);
}

std::optional<LineBreak> written(int mark, bool beforeEmptyLastBlock, LineBreak documentBreak)
{
    if (mark == Seam || (mark == NoBreak && beforeEmptyLastBlock))
        return std::nullopt;
    return isOwnBreak(mark) ? LineBreak(mark) : documentBreak;
}

// The formats a document has used stay in its list, so this is never a walk over the text.
bool anyMarks(const QTextDocument &document)
{
    const QList<QTextFormat> formats = document.allFormats();
    return std::any_of(formats.begin(), formats.end(),
                       [](const QTextFormat &format) { return format.hasProperty(MarkProperty); });
}

// A block's own character format is that of the break in front of it.
int markAfter(const QTextBlock &block)
{
    const QTextBlock next = block.next();
    if (!next.isValid())
        return DocumentBreak;
    const QVariant mark = next.charFormat().property(MarkProperty);
    return mark.isValid() ? mark.toInt() : DocumentBreak;
}

bool hasSeamAfter(const QTextBlock &block)
{
    return markAfter(block) == Seam;
}

QTextCharFormat formatFor(int mark)
{
    QTextCharFormat format;
    if (mark != DocumentBreak)
        format.setProperty(MarkProperty, mark);
    return format;
}

void setMarks(QTextDocument &document, const std::vector<signed char> &marks)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextBlock block = document.begin().next();
    for (const signed char mark : marks) {
        if (mark != DocumentBreak) {
            cursor.setPosition(block.position());
            cursor.setBlockCharFormat(formatFor(mark));
        }
        block = block.next();
    }
    cursor.endEditBlock();
}

QString inPieces(QStringView text, std::vector<signed char> &marks)
{
    QString form;
    form.reserve(text.size() + text.size() / PieceLength + 1);
    std::vector<signed char> blockMarks;
    std::size_t line = 0;
    qsizetype column = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            form += c;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                form += text[++i];
            blockMarks.push_back(marks[line++]);
            column = 0;
            continue;
        }
        if (column >= PieceLength && !c.isLowSurrogate()) {
            form += u'\n';
            blockMarks.push_back(Seam);
            column = 0;
        }
        form += c;
        ++column;
    }
    marks = std::move(blockMarks);
    return form;
}

// From the last block and the last piece back, so the positions still to cut stay valid.
bool cutLongBlocks(QTextDocument &document, int first, int last)
{
    bool cut = false;
    QTextCursor cursor(&document);
    for (QTextBlock block = document.findBlockByNumber(last);
         block.isValid() && block.blockNumber() >= first; block = block.previous()) {
        const int length = block.length() - 1;
        if (length <= PieceLength)
            continue;
        const QString text = block.text();
        const int start = block.position();
        for (int offset = (length - 1) / PieceLength * PieceLength; offset > 0;
             offset -= PieceLength) {
            cursor.setPosition(pieceEnd(text, start, start + int(offset)));
            cursor.insertBlock(cursor.blockFormat(), formatFor(Seam));
        }
        cut = true;
    }
    return cut;
}

} // namespace blockbreaks
