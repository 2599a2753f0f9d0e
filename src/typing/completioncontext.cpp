#include "typing/completioncontext.h"

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Whether `tag`, from its `<` on, is still open at its end with the end outside any quoted
// value.
bool endsBetweenAttributes(QStringView tag)
{
    QChar quote;
    for (QChar c : tag) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return false;
        }
    }
    return quote.isNull();
}

} // namespace

CompletionContext completionContext(const QString &before)
{
    const qsizetype open = before.lastIndexOf(u'<');
    if (open < 0)
        return {};
    qsizetype wordStart = before.size();
    while (wordStart > open + 1 && isNameChar(before.at(wordStart - 1)))
        --wordStart;
    const QString prefix = before.mid(wordStart);
    if (wordStart == open + 1)
        return prefix.isEmpty() || !prefix.at(0).isLetter()
                   ? CompletionContext{}
                   : CompletionContext{CompletionContext::Element, prefix, {}};
    qsizetype nameEnd = open + 1;
    while (nameEnd < before.size() && isNameChar(before.at(nameEnd)))
        ++nameEnd;
    const QString element = before.mid(open + 1, nameEnd - open - 1);
    if (element.isEmpty() || !element.at(0).isLetter() || !isBlank(before.at(wordStart - 1)) ||
        !endsBetweenAttributes(QStringView(before).mid(open)))
        return {};
    return {CompletionContext::Attribute, prefix, element};
}
