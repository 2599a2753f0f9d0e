#pragma once

// The page check: what libtidy finds wrong in a page's text, and where. Pure: a text in, a
// list out; the text is read only, nothing is written anywhere.
//
// A page is judged by its own doctype. One with the HTML5 doctype is held to HTML5; one
// without a doctype, or with an older one, is read as HTML 4 Transitional, and the elements
// and attributes such a page means to write (FONT, CENTER, NOBR, MARQUEE ...) are not
// reported as obsolete or unknown to the standard.

#include <QString>

#include <vector>

struct Finding {
    enum class Kind { Error, Warning };
    // From 1, as the user counts them: one line per line break (CR LF, LF or a lone CR), one
    // column per character, full-width ones too.
    int line = 1;
    int column = 1;
    Kind kind = Kind::Warning;
    QString message;

    bool operator==(const Finding &) const = default;
};

// Runs libtidy on its own thread, whose stack holds pages nested far deeper than any page
// people write; a page nested deeper than that is answered with one finding saying so.
std::vector<Finding> checkPage(const QString &page);

// A finding as the result list shows and copies it: "行 12, 桁 5: エラー: ...".
QString findingText(const Finding &finding);

// The one row a page with nothing to report shows.
QString nothingFoundText();
