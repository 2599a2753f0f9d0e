#include "format/fontsizemarkup.h"

#include "markup/markupstyle.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

QString headingTag(int level)
{
    return QStringLiteral("<H%1>").arg(level);
}

QString headingMarkup(const HeadingFields &fields, MarkupStyle style)
{
    return markupName(fields.openingTag, style) + fields.selection +
           markupName(QStringLiteral("</H%1>").arg(fields.level), style);
}

namespace {

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The CSS size of an old font size: 1 to 7, or a step up or down from the usual 3.
QString cssFontSize(const QString &size)
{
    static const std::array<QString, 7> sizes = {
        QStringLiteral("x-small"), QStringLiteral("small"),   QStringLiteral("medium"),
        QStringLiteral("large"),   QStringLiteral("x-large"), QStringLiteral("xx-large"),
        QStringLiteral("48px")};
    static const QRegularExpression oldSize(QStringLiteral("^\\s*([+-]?)(\\d)\\s*$"));
    const QRegularExpressionMatch match = oldSize.match(size);
    if (!match.hasMatch())
        return cssLength(size);
    const int step = match.captured(2).toInt();
    const QString sign = match.captured(1);
    const int level = sign.isEmpty() ? step : sign == QLatin1String("+") ? 3 + step : 3 - step;
    return sizes[std::clamp(level, 1, 7) - 1];
}

QString styledFont(const FontFields &fields)
{
    QStringList declarations;
    if (!fields.size.isEmpty())
        declarations << QStringLiteral("font-size: ") + cssFontSize(fields.size);
    if (!fields.color.isEmpty())
        declarations << QStringLiteral("color: ") + fields.color;
    if (!fields.face.isEmpty())
        declarations << QStringLiteral("font-family: ") + fields.face;
    // The base font set the look of all that follows, so it becomes a block.
    const QString element = fields.baseFont ? QStringLiteral("div") : QStringLiteral("span");
    return QLatin1Char('<') + element + styleAttribute(declarations) + QLatin1Char('>') +
           fields.selection + QStringLiteral("</") + element + QLatin1Char('>');
}

} // namespace

std::optional<QString> fontMarkup(const FontFields &fields, MarkupStyle style)
{
    if (fields.size.isEmpty() && fields.color.isEmpty() && fields.face.isEmpty())
        return std::nullopt;
    if (style == MarkupStyle::Html5)
        return styledFont(fields);
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
