#include "textmodel/textcopy.h"

#include "textmodel/blockbreaks.h"
#include "textmodel/placeholders.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using placeholders::ParagraphSeparator;
using placeholders::Placeholder;

namespace {

const QLatin1StringView CrLf("\r\n");

// Rare: only a text that holds a character the widget cannot pays for this.
std::vector<std::pair<qsizetype, char16_t>> originalsOf(const QString &text,
                                                        const QTextDocument &document, int from)
{
    std::vector<std::pair<qsizetype, char16_t>> originals;
    for (qsizetype i = text.indexOf(QChar(Placeholder)); i >= 0;
         i = text.indexOf(QChar(Placeholder), i + 1)) {
        const int position = from + int(i);
        if (const char16_t original =
                placeholders::originalAt(document.findBlock(position), position))
            originals.emplace_back(i, original);
    }
    return originals;
}

} // namespace

// The whole text comes much faster without a cursor: one copy of the widget's buffer.
QString widgetText(const QTextDocument &document, int from, int to)
{
    if (from == 0 && to == document.characterCount() - 1)
        return document.toRawText();
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

TextCopy::TextCopy(const QTextDocument &document, int from, int to, LineBreak documentBreak)
    : text_(widgetText(document, from, to)), atDocumentEnd_(to == document.characterCount() - 1),
      documentBreak_(documentBreak)
{
    breakCount_ = std::size_t(text_.count(QChar(ParagraphSeparator)));
    // Most documents never had a break of another kind, a long line or a file's last line
    // without a break: then no block needs to be visited.
    if (breakCount_ > 0 && blockbreaks::anyMarks(document)) {
        marks_.reserve(breakCount_);
        for (QTextBlock block = document.findBlock(from); marks_.size() < breakCount_;
             block = block.next())
            marks_.push_back(static_cast<signed char>(blockbreaks::markAfter(block)));
    }
    if (text_.contains(QChar(Placeholder)))
        originals_ = originalsOf(text_, document, from);
}

int TextCopy::markAt(std::size_t index) const
{
    return marks_.empty() ? int(blockbreaks::DocumentBreak) : int(marks_[index]);
}

bool TextCopy::isLastBreakAtEnd(std::size_t index) const
{
    return atDocumentEnd_ && index + 1 == breakCount_ && text_.endsWith(QChar(ParagraphSeparator));
}

template <typename BreakText> QString TextCopy::joined(BreakText breakText) const
{
    QString out;
    out.reserve(text_.size() + qsizetype(breakCount_));
    const QStringView text(text_);
    qsizetype lineStart = 0;
    auto original = originals_.begin();
    for (std::size_t index = 0;; ++index) {
        const qsizetype lineEnd = text.indexOf(QChar(ParagraphSeparator), lineStart);
        const qsizetype outStart = out.size() - lineStart;
        out += text.sliced(lineStart, (lineEnd < 0 ? text.size() : lineEnd) - lineStart);
        for (; original != originals_.end() && (lineEnd < 0 || original->first < lineEnd);
             ++original)
            out[outStart + original->first] = QChar(original->second);
        if (lineEnd < 0)
            return out;
        out += breakText(index);
        lineStart = lineEnd + 1;
    }
}

QString TextCopy::modelText() const
{
    return joined([this](std::size_t index) {
        return markAt(index) == blockbreaks::Seam ? QLatin1StringView() : CrLf;
    });
}

QString TextCopy::fileText() const
{
    return joined([this](std::size_t index) {
        const std::optional<LineBreak> lineBreak =
            blockbreaks::written(markAt(index), isLastBreakAtEnd(index), documentBreak_);
        return lineBreak ? breakText(*lineBreak) : QLatin1StringView();
    });
}

bool TextCopy::endsWithAddedBreak() const
{
    return breakCount_ > 0 && isLastBreakAtEnd(breakCount_ - 1) &&
           markAt(breakCount_ - 1) == blockbreaks::NoBreak;
}
