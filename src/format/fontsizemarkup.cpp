#include "format/fontsizemarkup.h"

QString headingTag(int level)
{
    return QStringLiteral("<H%1>").arg(level);
}

QString headingMarkup(const HeadingFields &fields)
{
    return fields.openingTag + fields.selection + QStringLiteral("</H%1>").arg(fields.level);
}

namespace {

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

std::optional<QString> fontMarkup(const FontFields &fields)
{
    if (fields.size.isEmpty() && fields.color.isEmpty() && fields.face.isEmpty())
        return std::nullopt;
    QString tag = fields.baseFont ? QStringLiteral("<BASEFONT ") : QStringLiteral("<FONT ");
    if (!fields.size.isEmpty())
        tag += QStringLiteral("SIZE='") + fields.size + QStringLiteral("' ");
    if (!fields.color.isEmpty())
        tag += QStringLiteral("COLOR='") + fields.color + QStringLiteral("' ");
    if (!fields.face.isEmpty())
        tag += QStringLiteral("FACE='") + fields.face + QLatin1Char('\'');
    // Both kinds are closed by </FONT>: that is the markup this dialog has always written.
    return withoutTrailingBlanks(tag) + QLatin1Char('>') + fields.selection +
           QStringLiteral("</FONT>");
}
