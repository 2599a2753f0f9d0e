#include "pagecheck/nestingdepth.h"

#include <QSet>
#include <QString>

#include <algorithm>

namespace {

// Elements without content, and those a parser closes when the next of their kind or their
// parent's end comes: a page that leaves out their end tags is not nested by them.
const QSet<QString> &notNesting()
{
    static const QSet<QString> names{
        "area", "base",  "basefont", "br",    "col",   "embed", "frame",  "hr",
        "img",  "input", "isindex",  "link",  "meta",  "param", "source", "track",
        "wbr",  "html",  "head",     "body",  "p",     "li",    "dt",     "dd",
        "td",   "th",    "tr",       "thead", "tbody", "tfoot", "option", "optgroup",
        "rt",   "rp",    "colgroup", "keygen"};
    return names;
}

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':';
}

// Whether the tag that goes on with `rest` ends in "/>". The search stops at the next "<", so
// that a page of unfinished tags is still read once.
bool closesItself(QStringView rest)
{
    for (qsizetype i = 0; i < rest.size() && rest[i] != u'<'; ++i) {
        if (rest[i] == u'>')
            return i > 0 && rest[i - 1] == u'/';
    }
    return false;
}

} // namespace

int nestingDepth(QStringView page)
{
    int open = 0;
    int deepest = 0;
    for (qsizetype i = page.indexOf(u'<'); i >= 0; i = page.indexOf(u'<', i + 1)) {
        const QStringView rest = page.sliced(i + 1);
        if (rest.startsWith(u"!--")) {
            const qsizetype end = page.indexOf(u"-->", i + 4);
            if (end < 0)
                break;
            i = end;
            continue;
        }
        const bool endTag = rest.startsWith(u'/');
        qsizetype nameEnd = endTag ? 1 : 0;
        while (nameEnd < rest.size() && isNameCharacter(rest[nameEnd]))
            ++nameEnd;
        const QString name =
            rest.sliced(endTag ? 1 : 0, nameEnd - (endTag ? 1 : 0)).toString().toLower();
        if (name.isEmpty() || !name[0].isLetter() || notNesting().contains(name))
            continue;
        if (!endTag && closesItself(rest.sliced(nameEnd)))
            continue;
        open = endTag ? std::max(open - 1, 0) : open + 1;
        deepest = std::max(deepest, open);
    }
    return deepest;
}
