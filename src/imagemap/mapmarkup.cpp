#include "imagemap/mapmarkup.h"

#include "markup/markupstyle.h"

#include <QStringList>
#include <initializer_list>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString coordinates(std::initializer_list<qint16> values)
{
    QStringList numbers;
    for (qint16 value : values)
        numbers << QString::number(value);
    return numbers.join(QLatin1Char(','));
}

QString areaLine(const MapFields &fields, AreaKind kind, const AreaValues &v, MarkupStyle style)
{
    const bool rectangle = kind == AreaKind::Rectangle;
    const QString shape = rectangle ? QStringLiteral("RECT") : QStringLiteral("CIRCLE");
    const QString alt = style == MarkupStyle::Html5
                            ? attribute(QStringLiteral("ALT"), fields.areaAlt, style)
                            : QString();
    return markupName(QStringLiteral("<AREA"), style) +
           attribute(QStringLiteral("SHAPE"), markupName(shape, style), style) +
           attribute(QStringLiteral("COORDS"),
                     rectangle ? coordinates({v.StartX, v.StartY, v.EndX, v.EndY})
                               : coordinates({v.CenterX, v.CenterY, v.Radius}),
                     style) +
           attribute(QStringLiteral("HREF"), addressValue(fields.linkUrl, style), style) + alt +
           QLatin1Char('>');
}

// Browsers of today resolve a map only in the same page: HTML5 names it without the
// picture's address.
QString mapReference(const MapFields &fields, MarkupStyle style)
{
    const QString picture = style == MarkupStyle::Classic ? fields.imageUrl : QString();
    return picture + QLatin1Char('#') + fields.mapName;
}

} // namespace

QString mapMarkup(const MapFields &fields, AreaKind kind, const AreaValues &values,
                  MarkupStyle style)
{
    QString area = areaLine(fields, kind, values, style) + crlf;
    if (fields.areaOnly)
        return area;
    const QString pictureAlt = style == MarkupStyle::Html5
                                   ? attribute(QStringLiteral("ALT"), QString(), style)
                                   : QString();
    return markupName(QStringLiteral("<IMG"), style) +
           attribute(QStringLiteral("SRC"), addressValue(fields.imageUrl, style), style) +
           attribute(QStringLiteral("USEMAP"), mapReference(fields, style), style) + pictureAlt +
           QLatin1Char('>') + crlf + markupName(QStringLiteral("<MAP"), style) +
           attribute(QStringLiteral("NAME"), fields.mapName, style) + QLatin1Char('>') + crlf +
           area + crlf + markupName(QStringLiteral("</MAP>"), style);
}

QString mapNameTag(const QString &name, MarkupStyle style)
{
    return markupName(QStringLiteral("<MAP"), style) +
           attribute(QStringLiteral("NAME"), name, style) + QLatin1Char('>');
}

QString areaLinkTag(const QString &linkUrl, const QString &alt, bool keepAlt, MarkupStyle style)
{
    const QString written = keepAlt ? attribute(QStringLiteral("ALT"), alt, style)
                                    : optionalAttribute(QStringLiteral("ALT"), alt, style);
    return markupName(QStringLiteral("<AREA"), style) +
           attribute(QStringLiteral("HREF"), addressValue(linkUrl, style), style) + written +
           QLatin1Char('>');
}
