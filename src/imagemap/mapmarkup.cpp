#include "imagemap/mapmarkup.h"

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

QString areaLine(const QString &linkUrl, AreaKind kind, const AreaValues &v)
{
    const bool rectangle = kind == AreaKind::Rectangle;
    return QStringLiteral("<AREA SHAPE='") +
           (rectangle ? QStringLiteral("RECT") : QStringLiteral("CIRCLE")) +
           QStringLiteral("' COORDS='") +
           (rectangle ? coordinates({v.StartX, v.StartY, v.EndX, v.EndY})
                      : coordinates({v.CenterX, v.CenterY, v.Radius})) +
           QStringLiteral("' HREF='") + linkUrl + QStringLiteral("'>");
}

} // namespace

QString mapMarkup(const MapFields &fields, AreaKind kind, const AreaValues &values)
{
    QString area = areaLine(fields.linkUrl, kind, values) + crlf;
    if (fields.areaOnly)
        return area;
    return QStringLiteral("<IMG SRC='") + fields.imageUrl + QStringLiteral("' USEMAP='") +
           fields.imageUrl + QLatin1Char('#') + fields.mapName + QStringLiteral("'>") + crlf +
           QStringLiteral("<MAP NAME='") + fields.mapName + QStringLiteral("'>") + crlf + area +
           crlf + QStringLiteral("</MAP>");
}
