#pragma once

// The characters the text widget cannot hold as they are, as it would turn them into block
// or frame breaks. Part of the text model: each is held as a placeholder whose character
// format names it, so that it comes back unchanged.

#include <QString>

#include <vector>

class QTextBlock;
class QTextDocument;

namespace placeholders {

inline constexpr char16_t Placeholder = 0xFFFD;
inline constexpr char16_t ParagraphSeparator = 0x2029; // a block break in the widget's text

struct TaggedCharacter {
    qsizetype position;
    char16_t original;
};

// `text` with a placeholder for each character the widget cannot hold, listed in `tagged`.
// Most texts have none and keep their string, which spares a copy of a large file.
QString widgetForm(const QString &text, std::vector<TaggedCharacter> &tagged);
// As widgetForm, with each CR LF, LF or lone CR of `text` as one U+2029, so that every
// character of the result is one widget position.
QString spanForm(const QString &text, std::vector<TaggedCharacter> &tagged);
// Tags the placeholders of `tagged`, at their positions counted from `start`.
void applyTags(QTextDocument &document, int start, const std::vector<TaggedCharacter> &tagged);
// The character the placeholder at widget position `position` of `block` stands for, or 0
// for a character that is itself.
char16_t originalAt(const QTextBlock &block, int position);

} // namespace placeholders
