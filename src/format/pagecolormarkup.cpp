#include "format/pagecolormarkup.h"

QString bodyTagMarkup(const PageColorFields &fields)
{
    QString tag = QStringLiteral("<BODY ");
    if (!fields.backgroundImage.isEmpty())
        tag += QStringLiteral("BACKGROUND='") + fields.backgroundImage + QStringLiteral("' ");
    return tag + QStringLiteral("BGCOLOR=") + fields.colors[BackgroundSlot] +
           QStringLiteral(" TEXT=") + fields.colors[TextSlot] + QStringLiteral(" LINK=") +
           fields.colors[LinkSlot] + QStringLiteral(" VLINK=") + fields.colors[VisitedLinkSlot] +
           QStringLiteral(" ALINK=") + fields.colors[ActiveLinkSlot] + QLatin1Char('>');
}
