#pragma once

// Markup of the horizontal rule dialog: one HR tag.

#include "textview/viewoptions.h"

#include <QString>

enum class RuleLook { Shaded, Flat };

struct RuleFields {
    QString size;
    QString width;
    QString color;
    QString align;
    RuleLook look = RuleLook::Shaded;
};

// Classic: SIZE, WIDTH and COLOR only when their fields are not empty; ALIGN always.
// HTML5: one style attribute with the same look, or a bare <hr> when nothing is set.
QString ruleMarkup(const RuleFields &fields, MarkupStyle style = MarkupStyle::Classic);
