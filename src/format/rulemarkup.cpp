#include "format/rulemarkup.h"

namespace
{

QString optionalAttribute(const QString &name, const QString &value)
{
    return value.isEmpty()
               ? QString()
               : QLatin1Char(' ') + name + QStringLiteral("='") + value + QLatin1Char('\'');
}

} // namespace

QString ruleMarkup(const RuleFields &fields)
{
    QString tag = QStringLiteral("<HR") + optionalAttribute(QStringLiteral("SIZE"), fields.size) +
                  optionalAttribute(QStringLiteral("WIDTH"), fields.width) +
                  optionalAttribute(QStringLiteral("COLOR"), fields.color) +
                  QStringLiteral(" ALIGN='") + fields.align + QLatin1Char('\'');
    if (fields.look == RuleLook::Flat)
        tag += QStringLiteral(" NOSHADE");
    return tag + QLatin1Char('>');
}
