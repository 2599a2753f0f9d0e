#include "textmodel/placeholders.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace placeholders {

namespace {

// A placeholder that carries this property is the character it names.
constexpr int OriginalCharacter = QTextFormat::UserProperty + 1;

// Characters the widget turns into block or frame breaks.
bool isWidgetBreak(char16_t c)
{
    return c == ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1;
}

} // namespace

QString widgetForm(const QString &text, std::vector<TaggedCharacter> &tagged)
{
    if (!text.contains(QChar(ParagraphSeparator)) && !text.contains(QChar(0xFDD0)) &&
        !text.contains(QChar(0xFDD1)))
        return text;
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

QString spanForm(const QString &text, std::vector<TaggedCharacter> &tagged)
{
    QString form;
    form.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            form += QChar(ParagraphSeparator);
        } else if (isWidgetBreak(c)) {
            tagged.push_back({form.size(), c});
            form += QChar(Placeholder);
        } else {
            form += QChar(c);
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

} // namespace placeholders
