#include "markup/markupstyle.h"

#include "markup/markupparts.h"

#include <QRegularExpression>

MarkupStyle chosenMarkupStyle()
{
    return ViewOptions::stored().markupStyle;
}

QString markupName(const QString &name, MarkupStyle style)
{
    return style == MarkupStyle::Html5 ? name.toLower() : name;
}

QString attribute(const QString &name, const QString &value, MarkupStyle style)
{
    if (style == MarkupStyle::Classic)
        return attribute(name, value);
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return QLatin1Char(' ') + name.toLower() + QStringLiteral("=\"") + escaped + QLatin1Char('"');
}

QString optionalAttribute(const QString &name, const QString &value, MarkupStyle style)
{
    return value.isEmpty() ? QString() : attribute(name, value, style);
}

QString addressValue(const QString &address, MarkupStyle style)
{
    if (style == MarkupStyle::Classic)
        return address;
    static const QRegularExpression bareAmpersand(QStringLiteral("&(?!amp;)"));
    return QString(address).replace(bareAmpersand, QStringLiteral("&amp;"));
}

QString styleAttribute(const QStringList &declarations)
{
    if (declarations.isEmpty())
        return QString();
    return attribute(QStringLiteral("STYLE"), declarations.join(QStringLiteral("; ")),
                     MarkupStyle::Html5);
}

QString cssLength(const QString &typed)
{
    static const QRegularExpression plainNumber(QStringLiteral("^\\s*(\\d+(\\.\\d+)?)\\s*$"));
    const QRegularExpressionMatch match = plainNumber.match(typed);
    return match.hasMatch() ? match.captured(1) + QStringLiteral("px") : typed.trimmed();
}

QStringList blockAlignment(const QString &align)
{
    const QString side = align.trimmed().toUpper();
    if (side == QLatin1String("LEFT"))
        return {QStringLiteral("margin-left: 0"), QStringLiteral("margin-right: auto")};
    if (side == QLatin1String("CENTER"))
        return {QStringLiteral("margin-left: auto"), QStringLiteral("margin-right: auto")};
    if (side == QLatin1String("RIGHT"))
        return {QStringLiteral("margin-left: auto"), QStringLiteral("margin-right: 0")};
    return {};
}

QString inputTag(const QString &type, const QString &name, const QString &value, MarkupStyle style)
{
    return markupName(QStringLiteral("<INPUT"), style) +
           attribute(QStringLiteral("TYPE"), markupName(type, style), style) +
           optionalAttribute(QStringLiteral("NAME"), name, style) +
           optionalAttribute(QStringLiteral("VALUE"), value, style) + QLatin1Char('>');
}
