#pragma once

// Markup of the horizontal rule dialog: one HR tag.

#include <QString>

enum class RuleLook { Shaded, Flat };

struct RuleFields {
    QString size;
    QString width;
    QString color;
    QString align;
    RuleLook look = RuleLook::Shaded;
};

// SIZE, WIDTH and COLOR only when their fields are not empty; ALIGN always.
QString ruleMarkup(const RuleFields &fields);
