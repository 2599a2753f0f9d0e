#include "search/textsearch.h"

#include "search/loosefold.h"

#include <vector>

namespace {

// The end of the match of `wanted` that starts at `at`, or -1.
qsizetype matchEnd(const loose::Reader &reader, qsizetype at, const std::vector<char16_t> &wanted)
{
    for (const char16_t unit : wanted) {
        if (at >= reader.size())
            return -1;
        qsizetype span = 0;
        if (reader.unitAt(at, span) != unit)
            return -1;
        at += span;
    }
    return at;
}

std::vector<char16_t> looseUnits(const loose::Reader &reader)
{
    std::vector<char16_t> units;
    qsizetype span = 0;
    for (qsizetype at = 0; at < reader.size(); at += span)
        units.push_back(reader.unitAt(at, span));
    return units;
}

std::optional<TextMatch> findLoose(QStringView text, QStringView what, qsizetype from)
{
    const std::vector<char16_t> wanted = looseUnits(loose::Reader(what));
    const loose::Reader reader(text);
    const char16_t first = wanted.front();
    qsizetype span = 0;
    // Matches start only where a loose unit starts, never on a mark joined to its kana.
    for (qsizetype at = from; at < text.size(); at += span) {
        if (reader.unitAt(at, span) != first)
            continue;
        const qsizetype end = matchEnd(reader, at, wanted);
        if (end >= 0)
            return TextMatch{at, end - at};
    }
    return std::nullopt;
}

} // namespace

std::optional<TextMatch> findText(QStringView text, QStringView what, qsizetype from,
                                  Comparison comparison)
{
    from = std::max<qsizetype>(from, 0);
    if (what.isEmpty() || from >= text.size())
        return std::nullopt;
    if (comparison == Comparison::Loose)
        return findLoose(text, what, from);
    const qsizetype start = text.indexOf(what, from);
    if (start < 0)
        return std::nullopt;
    return TextMatch{start, what.size()};
}
