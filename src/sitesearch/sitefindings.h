#pragma once

// What a search across documents and files finds in one text: every match, the place it
// starts and ends as the user counts lines and columns (TextModel::offsetOfLineColumn takes
// them back to a document's offsets), and the line it is in, as the result list shows it.
// Widget-free: the search thread makes these.

#include "search/matcher.h"

#include <QString>
#include <QStringView>

#include <vector>

// A place in a text: line and column counted from 1, one line per CR LF, LF or lone CR,
// one column per character (a surrogate pair is one).
struct TextPlace {
    int line = 1;
    int column = 1;
    bool operator==(const TextPlace &) const = default;
};

struct SiteMatch {
    TextPlace start;
    TextPlace end;
    // The line the match starts in, cut around the match when it is long.
    QString lineText;
    // Where the match is in lineText; a match that goes on past the line is marked to its end.
    qsizetype markStart = 0;
    qsizetype markLength = 0;
};

// Every match of `matcher` in `text` that a text box can select (none starts or ends between
// the CR and the LF of a line break), in order and not overlapping.
std::vector<TextMatch> selectableMatches(const Matcher &matcher, QStringView text);

// The places and lines of `matches`, found in `text` and given in order.
std::vector<SiteMatch> describeMatches(QStringView text, const std::vector<TextMatch> &matches);

// The row the result list shows: "name : line : text".
QString rowText(const QString &fileName, const SiteMatch &match);
