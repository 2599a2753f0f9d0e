#include "search/textsearch.h"

#include "search/loosefold.h"

std::optional<TextMatch> findText(QStringView text, QStringView what, qsizetype from,
                                  Comparison comparison)
{
    from = std::max<qsizetype>(from, 0);
    if (what.isEmpty() || from >= text.size())
        return std::nullopt;
    if (comparison == Comparison::Loose)
        return loose::find(text, what, from);
    const qsizetype start = text.indexOf(what, from);
    if (start < 0)
        return std::nullopt;
    return TextMatch{start, what.size()};
}
