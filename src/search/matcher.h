#pragma once

// The one matcher behind every search: the find window, find again (F3) and the search across
// documents and files. It takes what the user typed and how to compare, and finds matches and
// writes their replacements in any text, widget-free, so a search thread can use it as well.

#include "search/textsearch.h"

#include <QString>
#include <QStringView>

#include <optional>

struct SearchQuery {
    QString pattern;
    Comparison comparison = Comparison::Exact;
    bool regularExpression = false;
};

class Matcher {
public:
    explicit Matcher(SearchQuery query);

    const SearchQuery &query() const { return query_; }

    // Whether the pattern can be searched for at all; when not, error() says why in the words
    // the windows show, and find() finds nothing.
    bool isValid() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    // The first match that starts at or after the 0-based offset `from` of `text`.
    std::optional<TextMatch> find(QStringView text, qsizetype from) const;

    // What `match`, found in `text`, is replaced with when the user typed `with`. `lineBreak`
    // is the break the text's own lines end with.
    QString replacement(QStringView text, const TextMatch &match, const QString &with,
                        QStringView lineBreak) const;

private:
    SearchQuery query_;
    QString error_;
};
