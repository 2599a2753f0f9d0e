#include "format/rulemarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"

namespace {

// A rule is drawn by its border; a colour or the flat look fills it instead.
QStringList ruleDeclarations(const RuleFields &fields)
{
    QStringList declarations;
    if (!fields.size.isEmpty())
        declarations << QStringLiteral("height: ") + cssLength(fields.size);
    if (!fields.width.isEmpty())
        declarations << QStringLiteral("width: ") + cssLength(fields.width);
    declarations << blockAlignment(fields.align);
    if (!fields.color.isEmpty())
        declarations << QStringLiteral("color: ") + fields.color
                     << QStringLiteral("background-color: ") + fields.color;
    if (fields.look == RuleLook::Flat) {
        declarations << QStringLiteral("border-style: none");
        if (fields.color.isEmpty())
            declarations << QStringLiteral("background-color: gray");
    }
    return declarations;
}

} // namespace

QString ruleMarkup(const RuleFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5)
        return QStringLiteral("<hr") + styleAttribute(ruleDeclarations(fields)) + QLatin1Char('>');
    QString tag = QStringLiteral("<HR") + optionalAttribute(QStringLiteral("SIZE"), fields.size) +
                  optionalAttribute(QStringLiteral("WIDTH"), fields.width) +
                  optionalAttribute(QStringLiteral("COLOR"), fields.color) +
                  attribute(QStringLiteral("ALIGN"), fields.align);
    if (fields.look == RuleLook::Flat)
        tag += QStringLiteral(" NOSHADE");
    return tag + QLatin1Char('>');
}
