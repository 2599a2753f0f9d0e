#include "markup/endtagcloser.h"

#include "textview/htmllexer.h"
#include "textview/htmlnames.h"

#include <vector>

namespace {

using HtmlLexer::Kind;
using HtmlLexer::Span;

void closeInnermost(std::vector<QStringView> &open, QStringView name)
{
    for (auto at = open.end(); at != open.begin(); --at) {
        if ((at - 1)->compare(name, Qt::CaseInsensitive) == 0) {
            open.erase(at - 1, open.end());
            return;
        }
    }
}

// The open elements after reading `spans` of `text`, innermost last. An end tag closes the
// innermost open element of its name and every one inside it, as browsers do with elements
// left open; an end tag with no open element of its name is ignored.
std::vector<QStringView> openElements(QStringView text, const std::vector<Span> &spans)
{
    std::vector<QStringView> open;
    // Whether the tag being read pushed its element, which its "/>" then takes back.
    bool pushed = false;
    for (const Span &span : spans) {
        if (span.kind != Kind::TagName)
            continue;
        const QStringView tag = text.mid(span.start, span.length);
        if (!tag.startsWith(u'<')) {
            if (tag == u"/>" && pushed)
                open.pop_back();
            pushed = false;
        } else if (tag.startsWith(u"</")) {
            closeInnermost(open, tag.mid(2));
        } else if (!HtmlNames::isVoid(tag.mid(1))) {
            open.push_back(tag.mid(1));
            pushed = true;
        }
    }
    return open;
}

} // namespace

QString elementToClose(const QString &text, qsizetype offset, qsizetype reach)
{
    if (offset < 2 || offset > text.size() || QStringView(text).mid(offset - 2, 2) != u"</")
        return {};
    const qsizetype from = std::max<qsizetype>(0, offset - 2 - reach);
    const QStringView before = QStringView(text).mid(from, offset - 2 - from);
    std::vector<Span> spans;
    const HtmlLexer::State state = HtmlLexer::lex(before, {}, &spans);
    if (state.mode != HtmlLexer::State::Text)
        return {};
    const std::vector<QStringView> open = openElements(before, spans);
    return open.empty() ? QString() : open.back().toString();
}
