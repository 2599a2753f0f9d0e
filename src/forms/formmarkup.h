#pragma once

// Markup of the form element dialog: a FORM element around the selected text.

#include "textview/viewoptions.h"

#include <QString>

enum class FormMethod { Get, Post };
// Where the form goes: a server program's address, or a mail address behind MAILTO:.
enum class FormDestination { Program, Mail };

struct FormFields {
    FormMethod method = FormMethod::Post;
    FormDestination destination = FormDestination::Program;
    QString address;
    QString selection;
};

// The start tag, the selection unchanged, "</FORM>" and CR LF, with no line break around
// the selection. ENCTYPE is written for every destination.
// HTML5 in lower case with double quotes, & in the address as &amp;.
QString formMarkup(const FormFields &fields, MarkupStyle style = MarkupStyle::Classic);
