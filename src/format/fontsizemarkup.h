#pragma once

// Markup of the font size dialog: a heading, or a FONT or BASEFONT element, around the
// selection.

#include "textview/viewoptions.h"

#include <QString>
#include <optional>

struct HeadingFields {
    QString openingTag; // as the heading label shows it
    int level = 1;      // as the heading slider stands
    QString selection;
};

// "<Hn>" for the heading label.
QString headingTag(int level);

// The opening tag as given, the selection, and a closing tag of the slider's level; in
// HTML5 both tags in lower case.
QString headingMarkup(const HeadingFields &fields, MarkupStyle style = MarkupStyle::Classic);

struct FontFields {
    bool baseFont = false;
    QString size;
    QString color;
    QString face;
    QString selection;
};

// The selection in a FONT (or BASEFONT) element with the attributes whose fields are not
// empty; nullopt when all three are empty, since there is nothing to write then. HTML5
// writes a span (a div for the base font) styled with the same size, colour and face: a
// size 1 to 7 or a step from 3 ("+2") as a CSS size keyword, a plain number in pixels.
std::optional<QString> fontMarkup(const FontFields &fields,
                                  MarkupStyle style = MarkupStyle::Classic);
