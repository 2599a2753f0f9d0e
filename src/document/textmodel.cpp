#include "document/textmodel.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
constexpr char16_t ParagraphSeparator = 0x2029; // the widget's block break
constexpr char16_t LoneLfStandIn = 0x2028;      // shown as a line break inside a block
constexpr char16_t LoneCrStandIn = 0x240D;      // shown as the "CR" mark
constexpr char16_t Replacement = 0xFFFD;        // stands in for what the widget cannot hold

// A widget character that carries this property is the character it names, whatever it
// looks like.
constexpr int OriginalCharacter = QTextFormat::UserProperty + 1;

bool isStandIn(char16_t c) { return c == LoneLfStandIn || c == LoneCrStandIn || c == Replacement; }

// Characters the widget would not keep as themselves: its stand-ins and the separators
// it turns into block or frame breaks.
bool needsOriginalTag(char16_t c)
{
    return isStandIn(c) || c == ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1;
}

char16_t placeholderFor(char16_t c) { return isStandIn(c) ? c : Replacement; }

struct TaggedCharacter {
    qsizetype position;
    char16_t original;
};

// The widget form of a model text: CR LF becomes "\n" (a block break), lone LF and CR
// become their stand-ins. Characters that must keep their identity are listed in `tagged`.
QString widgetForm(const QString &text, std::vector<TaggedCharacter> *tagged)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == Cr && i + 1 < n && text[i + 1] == QChar(Lf)) {
            out += QChar(Lf);
            ++i;
        } else if (c == Cr) {
            out += QChar(LoneCrStandIn);
        } else if (c == Lf) {
            out += QChar(LoneLfStandIn);
        } else if (needsOriginalTag(c)) {
            if (tagged)
                tagged->push_back({out.size(), c});
            out += QChar(placeholderFor(c));
        } else {
            out += QChar(c);
        }
    }
    return out;
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

char16_t originalAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    const QVariant original = cursor.charFormat().property(OriginalCharacter);
    return original.isValid() ? char16_t(original.toInt()) : 0;
}

} // namespace

TextModel::TextModel(QPlainTextEdit &widget) : widget_(widget), document_(*widget.document()) {}

QString TextModel::toWidgetForm(const QString &text) { return widgetForm(text, nullptr); }

// The model text of widget positions [from, to).
QString TextModel::modelText(int from, int to) const
{
    QTextCursor cursor(&document_);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const QString raw = cursor.selectedText();
    QString out;
    out.reserve(raw.size() + raw.size() / 16);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        if (c == ParagraphSeparator) {
            out += QLatin1String("\r\n");
            continue;
        }
        if (isStandIn(c)) {
            if (const char16_t original = originalAt(document_, from + int(i))) {
                out += QChar(original);
                continue;
            }
        }
        if (c == LoneLfStandIn)
            out += QChar(Lf);
        else if (c == LoneCrStandIn)
            out += QChar(Cr);
        else
            out += QChar(c);
    }
    return out;
}

QString TextModel::Text() const { return modelText(0, document_.characterCount() - 1); }

void TextModel::setText(const QString &text)
{
    std::vector<TaggedCharacter> tagged;
    widget_.setPlainText(widgetForm(text, &tagged));
    if (!tagged.empty())
        applyTags(document_, 0, tagged);
    QTextCursor cursor(&document_);
    widget_.setTextCursor(cursor);
}

qsizetype TextModel::length() const
{
    // Each block break is one widget character but two in the model (CR LF).
    return document_.characterCount() - 1 + document_.blockCount() - 1;
}

bool TextModel::isEmpty() const { return document_.characterCount() <= 1; }

QString TextModel::SelText() const
{
    const QTextCursor cursor = widget_.textCursor();
    return modelText(cursor.selectionStart(), cursor.selectionEnd());
}

void TextModel::insertModelText(const QString &text)
{
    std::vector<TaggedCharacter> tagged;
    const QString form = widgetForm(text, &tagged);
    QTextCursor cursor = widget_.textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int start = cursor.position();
    // A plain format, so the inserted text never inherits a neighbour's tag.
    cursor.insertText(form, QTextCharFormat());
    if (!tagged.empty())
        applyTags(document_, start, tagged);
    cursor.endEditBlock();
    widget_.setTextCursor(cursor);
}

void TextModel::setSelText(const QString &text)
{
    insertModelText(text);
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
