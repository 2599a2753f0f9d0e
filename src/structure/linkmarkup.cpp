#include "structure/linkmarkup.h"

#include "markup/markupstyle.h"

#include <QRegularExpression>
#include <array>

QString linkTarget(int position)
{
    static const std::array<QString, 3> targets = {QString(), QStringLiteral("_top"),
                                                   QStringLiteral("_blank")};
    return position >= 0 && position < int(targets.size()) ? targets[position] : QString();
}

QString linkTag(const LinkFields &fields, MarkupStyle style)
{
    const QString scheme = fields.scheme == LinkScheme::Mail
                               ? markupName(QStringLiteral("MAILTO:"), style)
                               : QString();
    return markupName(QStringLiteral("<A"), style) +
           attribute(QStringLiteral("HREF"), scheme + addressValue(fields.url, style), style) +
           optionalAttribute(QStringLiteral("TARGET"), fields.target, style) + QLatin1Char('>');
}

QString wrapInLink(const QString &linkTag, const QString &content, MarkupStyle style)
{
    return linkTag + content + markupName(QStringLiteral("</A>"), style);
}

namespace {

bool isWholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return digits.match(text).hasMatch();
}

// A size HTML5 takes as an attribute only as a number of pixels; other sizes go to CSS.
QString pictureSize(const QString &name, const QString &size, QStringList &declarations)
{
    if (isWholeNumber(size))
        return attribute(name, size, MarkupStyle::Html5);
    if (!size.trimmed().isEmpty())
        declarations << name.toLower() + QStringLiteral(": ") + cssLength(size);
    return QString();
}

QStringList pictureAlignment(const QString &align)
{
    const QString side = align.trimmed().toLower();
    if (side == QLatin1String("left") || side == QLatin1String("right"))
        return {QStringLiteral("float: ") + side};
    if (side == QLatin1String("top") || side == QLatin1String("middle") ||
        side == QLatin1String("bottom"))
        return {QStringLiteral("vertical-align: ") + side};
    return {};
}

QString styledImageTag(const ImageFields &fields)
{
    QStringList declarations;
    const QString sizes = pictureSize(QStringLiteral("WIDTH"), fields.width, declarations) +
                          pictureSize(QStringLiteral("HEIGHT"), fields.height, declarations);
    if (!fields.border.trimmed().isEmpty())
        declarations << QStringLiteral("border: ") + cssLength(fields.border) +
                            QStringLiteral(" solid");
    declarations << pictureAlignment(fields.align);
    return QStringLiteral("<img") +
           attribute(QStringLiteral("SRC"), addressValue(fields.source, MarkupStyle::Html5),
                     MarkupStyle::Html5) +
           attribute(QStringLiteral("ALT"), fields.alternative, MarkupStyle::Html5) + sizes +
           styleAttribute(declarations) + QLatin1Char('>');
}

} // namespace

QString imageTag(const ImageFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5)
        return styledImageTag(fields);
    return QStringLiteral("<IMG SRC='") + fields.source + QStringLiteral("' ALT='") +
           fields.alternative + QStringLiteral("' WIDTH='") + fields.width +
           QStringLiteral("' HEIGHT='") + fields.height + QStringLiteral("' BORDER='") +
           fields.border + QStringLiteral("' ALIGN='") + fields.align + QStringLiteral("'>");
}
