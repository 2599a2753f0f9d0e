#pragma once

// The one matcher behind every search: the find window, find again (F3) and the search across
// documents and files. It takes what the user typed and how to compare, and finds matches and
// writes their replacements in any text, widget-free, so a search thread can use it as well.
//
// Literal text is found as findText finds it. A regular expression is Perl-compatible
// (QRegularExpression), with ^ and $ at every line's start and end and Unicode classes (\w,
// \d, \b take Japanese text). Loose comparison folds case throughout the pattern and kana and
// width for its literal characters, a half-width kana and its mark counting as one character,
// as in literal text; foldLimits() tells where a pattern compares as typed instead. In a
// pattern \n (or a typed line break) matches any line break of the text: CR LF, a lone CR or
// a lone LF. No match is ever empty (a*, ^ match only where they take a character), and none
// starts or ends between the CR and the LF of a line break.

#include "search/patternfold.h"
#include "search/textsearch.h"

#include <QRegularExpression>
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

    // The parts of a loosely compared pattern that compare as typed, and a sentence for the
    // windows to show about them (empty when there are none).
    FoldLimits foldLimits() const { return limits_; }
    QString foldNote() const;

    // The first match that starts at or after the 0-based offset `from` of `text`.
    std::optional<TextMatch> find(QStringView text, qsizetype from) const;

    // What `match`, found in `text`, is replaced with when the user typed `with`. `lineBreak`
    // is the break the text's own lines end with. For a regular expression, \1 to \9 and $0
    // to $9 stand for what the groups captured ($0 the whole match), \n for `lineBreak`, \t
    // for a tab, \\ and \$ for \ and $; any other character stands for itself. Literal text
    // is replaced with `with` as it is.
    QString replacement(QStringView text, const TextMatch &match, const QString &with,
                        QStringView lineBreak) const;

private:
    void compile();

    SearchQuery query_;
    QString error_;
    FoldLimits limits_;
    QRegularExpression expression_;
};
