#pragma once

// Markup of the text field dialog: a single-line INPUT field or a multi-line TEXTAREA.

#include "textview/viewoptions.h"

#include <QString>

enum class TextFieldKind { SingleLine, MultiLine };

struct TextFieldFields {
    TextFieldKind kind = TextFieldKind::SingleLine;
    QString name;
    QString value;
    QString size;      // single line only
    QString maxLength; // single line only
    QString rows;      // multi-line only
    QString cols;      // multi-line only
};

// NAME always, and VALUE always for a single line; the value of a TEXTAREA stands between
// its tags. SIZE, MAXLENGTH, ROWS and COLS only when not empty; the MAXLENGTH value is
// written with a blank before it. The fields of the other kind are ignored. Ends with CR LF.
// HTML5 in lower case with double quotes, the MAXLENGTH value without its blank.
QString textFieldMarkup(const TextFieldFields &fields, MarkupStyle style = MarkupStyle::Classic);
