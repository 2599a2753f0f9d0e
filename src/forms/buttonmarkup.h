#pragma once

// Markup of the button dialog: one submit or reset INPUT tag.

#include <QString>

enum class ButtonKind { Submit, Reset };

struct ButtonFields {
    ButtonKind kind = ButtonKind::Submit;
    QString name;
    QString value;
};

// NAME and VALUE only when their fields are not empty; no blank before ">"; ends with CR LF.
QString buttonMarkup(const ButtonFields &fields);
