#include "structure/linkmarkup.h"

#include <array>

QString linkTarget(int position)
{
    static const std::array<QString, 3> targets = {QString(), QStringLiteral("_top"),
                                                   QStringLiteral("_blank")};
    return position >= 0 && position < int(targets.size()) ? targets[position] : QString();
}

QString linkTag(const LinkFields &fields)
{
    QString tag = fields.scheme == LinkScheme::Mail ? QStringLiteral("<A HREF='MAILTO:")
                                                    : QStringLiteral("<A HREF='");
    tag += fields.url;
    if (!fields.target.isEmpty())
        tag += QStringLiteral("' TARGET='") + fields.target;
    return tag + QStringLiteral("'>");
}

QString wrapInLink(const QString &linkTag, const QString &content)
{
    return linkTag + content + QStringLiteral("</A>");
}

QString imageTag(const ImageFields &fields)
{
    return QStringLiteral("<IMG SRC='") + fields.source + QStringLiteral("' ALT='") +
           fields.alternative + QStringLiteral("' WIDTH='") + fields.width +
           QStringLiteral("' HEIGHT='") + fields.height + QStringLiteral("' BORDER='") +
           fields.border + QStringLiteral("' ALIGN='") + fields.align + QStringLiteral("'>");
}
