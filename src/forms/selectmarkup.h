#pragma once

// Markup of the select box dialog: a SELECT start tag, empty OPTION lines to fill in, and
// the end tag.

#include "textview/viewoptions.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class SelectChoice { Single, Multiple };

struct SelectFields {
    QString name;
    QString height;
    QString optionCount;
    SelectChoice choice = SelectChoice::Single;
    // The options a select box in the page already has, as optionsOf() cuts them: the
    // first of them, as many as the count takes, stand in place of empty OPTION lines.
    QStringList options = {};
};

// The options in the content of a select box, each as written up to the next one, the
// last up to the end. What stands before the first goes with it, less the blanks and line
// breaks it starts with. None when the content has no OPTION tag.
QStringList optionsOf(const QString &content);

// NAME always, SIZE only when the height is not empty, MULTIPLE for a multiple choice; every
// line ends with CR LF. The option count is read strictly as a decimal number (sign, point
// and exponent allowed, blanks and tabs around it) and rounded half to even; a count of 0 or
// less gives no OPTION line. nullopt when the count is empty, not a number or outside 16
// bits.
// HTML5 in lower case with double quotes; each option has the placeholder text
// "選択肢n" (n from 1), since HTML5 wants no empty option.
std::optional<QString> selectMarkup(const SelectFields &fields,
                                    MarkupStyle style = MarkupStyle::Classic);
