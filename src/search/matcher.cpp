#include "search/matcher.h"

#include <utility>

Matcher::Matcher(SearchQuery query) : query_(std::move(query)) {}

std::optional<TextMatch> Matcher::find(QStringView text, qsizetype from) const
{
    return findText(text, query_.pattern, from, query_.comparison);
}

QString Matcher::replacement(QStringView, const TextMatch &, const QString &with,
                             QStringView) const
{
    return with;
}
