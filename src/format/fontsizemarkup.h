#pragma once

// Markup of the font size dialog: a heading, or a FONT or BASEFONT element, around the
// selection.

#include <QString>
#include <optional>

struct HeadingFields {
    QString openingTag; // as the heading label shows it
    int level = 1;      // as the heading slider stands
    QString selection;
};

// "<Hn>" for the heading label.
QString headingTag(int level);

// The opening tag as given, the selection, and a closing tag of the slider's level.
QString headingMarkup(const HeadingFields &fields);

struct FontFields {
    bool baseFont = false;
    QString size;
    QString color;
    QString face;
    QString selection;
};

// The selection in a FONT (or BASEFONT) element with the attributes whose fields are not
// empty; nullopt when all three are empty, since there is nothing to write then.
std::optional<QString> fontMarkup(const FontFields &fields);
