#pragma once

// Markup of the check box and radio button dialog: one RADIO or CHECKBOX input and the text
// the page shows beside it.

#include "textview/viewoptions.h"

#include <QString>

enum class ChoiceKind { Radio, CheckBox };

struct ChoiceFields {
    ChoiceKind kind = ChoiceKind::Radio;
    QString name;
    QString value;
    QString shown;
};

// NAME and VALUE only when not empty, never CHECKED; the shown text directly after ">",
// then CR LF.
// HTML5 in lower case with double quotes.
QString choiceMarkup(const ChoiceFields &fields, MarkupStyle style = MarkupStyle::Classic);
