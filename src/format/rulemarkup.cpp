#include "format/rulemarkup.h"

#include "markup/markupparts.h"

QString ruleMarkup(const RuleFields &fields)
{
    QString tag = QStringLiteral("<HR") + optionalAttribute(QStringLiteral("SIZE"), fields.size) +
                  optionalAttribute(QStringLiteral("WIDTH"), fields.width) +
                  optionalAttribute(QStringLiteral("COLOR"), fields.color) +
                  attribute(QStringLiteral("ALIGN"), fields.align);
    if (fields.look == RuleLook::Flat)
        tag += QStringLiteral(" NOSHADE");
    return tag + QLatin1Char('>');
}
