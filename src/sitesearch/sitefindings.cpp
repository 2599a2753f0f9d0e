#include "sitesearch/sitefindings.h"

#include <algorithm>

namespace {

// How much of a long line a row shows before and after the start of its match.
constexpr qsizetype ShownBefore = 40;
constexpr qsizetype ShownAfter = 160;
const QString Cut = QStringLiteral("…");

bool splitsLineBreak(QStringView text, qsizetype offset)
{
    return offset > 0 && offset < text.size() && text[offset - 1] == u'\r' && text[offset] == u'\n';
}

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Walks a text once, from its start towards its end, telling the place of each offset asked
// for in order.
class PlaceCounter {
public:
    explicit PlaceCounter(QStringView text) : text_(text) {}

    TextPlace placeOf(qsizetype offset)
    {
        for (; position_ < offset; ++position_)
            step(position_);
        return place_;
    }
    qsizetype lineStart() const { return lineStart_; }

private:
    void step(qsizetype at)
    {
        const QChar c = text_[at];
        const bool crBeforeLf = c == u'\r' && at + 1 < text_.size() && text_[at + 1] == u'\n';
        if (crBeforeLf)
            return;
        if (isBreak(c)) {
            ++place_.line;
            place_.column = 1;
            lineStart_ = at + 1;
        } else if (!(c.isLowSurrogate() && at > 0 && text_[at - 1].isHighSurrogate())) {
            ++place_.column;
        }
    }

    QStringView text_;
    qsizetype position_ = 0;
    qsizetype lineStart_ = 0;
    TextPlace place_;
};

qsizetype lineEndFrom(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && !isBreak(text[end]))
        ++end;
    return end;
}

} // namespace

std::vector<TextMatch> selectableMatches(const Matcher &matcher, QStringView text)
{
    std::vector<TextMatch> matches;
    qsizetype from = 0;
    while (std::optional<TextMatch> match = matcher.find(text, from)) {
        const qsizetype end = match->start + match->length;
        const bool selectable = !splitsLineBreak(text, match->start) && !splitsLineBreak(text, end);
        if (selectable)
            matches.push_back(*match);
        // An empty match is taken once; the search goes on one character further.
        from = selectable && match->length > 0 ? end : match->start + 1;
        if (from > text.size())
            break;
    }
    return matches;
}

std::vector<SiteMatch> describeMatches(QStringView text, const std::vector<TextMatch> &matches)
{
    std::vector<SiteMatch> described;
    described.reserve(matches.size());
    PlaceCounter counter(text);
    qsizetype lineStart = -1;
    qsizetype lineEnd = 0;
    for (const TextMatch &match : matches) {
        SiteMatch site;
        site.start = counter.placeOf(match.start);
        if (counter.lineStart() != lineStart) {
            lineStart = counter.lineStart();
            lineEnd = lineEndFrom(text, match.start);
        }
        const qsizetype shownStart = std::max(lineStart, match.start - ShownBefore);
        const qsizetype shownEnd = std::min(lineEnd, match.start + ShownAfter);
        const QString before = shownStart > lineStart ? Cut : QString();
        site.lineText = before + text.sliced(shownStart, shownEnd - shownStart).toString() +
                        (shownEnd < lineEnd ? Cut : QString());
        site.markStart = before.size() + match.start - shownStart;
        site.markLength = std::min(match.start + match.length, shownEnd) - match.start;
        site.end = counter.placeOf(match.start + match.length);
        described.push_back(std::move(site));
    }
    return described;
}

QString rowText(const QString &fileName, const SiteMatch &match)
{
    return fileName + QStringLiteral(" : ") + QString::number(match.start.line) +
           QStringLiteral(" : ") + match.lineText;
}
