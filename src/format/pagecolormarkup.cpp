#include "format/pagecolormarkup.h"

#include "markup/markupstyle.h"

QString bodyTagMarkup(const PageColorFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5) {
        QStringList declarations{QStringLiteral("background-color: ") +
                                     fields.colors[BackgroundSlot],
                                 QStringLiteral("color: ") + fields.colors[TextSlot]};
        if (!fields.backgroundImage.isEmpty())
            declarations << QStringLiteral("background-image: url('") +
                                addressValue(fields.backgroundImage, style) + QStringLiteral("')");
        return QStringLiteral("<body") + styleAttribute(declarations) + QLatin1Char('>');
    }
    QString tag = QStringLiteral("<BODY ");
    if (!fields.backgroundImage.isEmpty())
        tag += QStringLiteral("BACKGROUND='") + fields.backgroundImage + QStringLiteral("' ");
    return tag + QStringLiteral("BGCOLOR=") + fields.colors[BackgroundSlot] +
           QStringLiteral(" TEXT=") + fields.colors[TextSlot] + QStringLiteral(" LINK=") +
           fields.colors[LinkSlot] + QStringLiteral(" VLINK=") + fields.colors[VisitedLinkSlot] +
           QStringLiteral(" ALINK=") + fields.colors[ActiveLinkSlot] + QLatin1Char('>');
}

QString linkColorRule(const PageColorFields &fields)
{
    return QStringLiteral("a:link { color: ") + fields.colors[LinkSlot] +
           QStringLiteral(" } a:visited { color: ") + fields.colors[VisitedLinkSlot] +
           QStringLiteral(" } a:active { color: ") + fields.colors[ActiveLinkSlot] +
           QStringLiteral(" }");
}
