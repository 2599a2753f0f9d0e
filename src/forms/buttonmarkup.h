#pragma once

// Markup of the button dialog: one submit or reset INPUT tag.

#include "textview/viewoptions.h"

#include <QString>

enum class ButtonKind { Submit, Reset };

struct ButtonFields {
    ButtonKind kind = ButtonKind::Submit;
    QString name;
    QString value;
};

// NAME and VALUE only when their fields are not empty; no blank before ">"; ends with CR LF.
// HTML5 in lower case with double quotes.
QString buttonMarkup(const ButtonFields &fields, MarkupStyle style = MarkupStyle::Classic);
