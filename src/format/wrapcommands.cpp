#include "format/wrapcommands.h"

#include "document/activedocument.h"
#include "markup/markupstyle.h"

namespace WrapCommands {

namespace {

Pair styledDivision(const QString &align)
{
    return {QStringLiteral("<div") + styleAttribute({QStringLiteral("text-align: ") + align}) +
                QLatin1Char('>'),
            QStringLiteral("</div>")};
}

} // namespace

Pair styled(const Pair &pair, MarkupStyle style)
{
    if (style == MarkupStyle::Classic)
        return pair;
    if (pair.prefix == Left.prefix)
        return styledDivision(QStringLiteral("left"));
    if (pair.prefix == Right.prefix)
        return styledDivision(QStringLiteral("right"));
    if (pair.prefix == Center.prefix)
        return styledDivision(QStringLiteral("center"));
    return {pair.prefix.toLower(), pair.suffix.toLower()};
}

Pair styledInsertion(const QString &markup, MarkupStyle style)
{
    if (style == MarkupStyle::Classic)
        return {markup, QString()};
    if (markup == NOBR)
        return {QStringLiteral("<span") + styleAttribute({QStringLiteral("white-space: nowrap")}) +
                    QLatin1Char('>'),
                QStringLiteral("</span>")};
    // The character references are lower case in both styles already.
    return {markup.toLower(), QString()};
}

void wrap(const Pair &pair)
{
    const Pair written = styled(pair, chosenMarkupStyle());
    wrapActiveSelection(written.prefix, written.suffix);
}

void insert(const QString &markup)
{
    const Pair written = styledInsertion(markup, chosenMarkupStyle());
    if (written.suffix.isEmpty())
        replaceActiveSelection(written.prefix);
    else
        wrapActiveSelection(written.prefix, written.suffix);
}

} // namespace WrapCommands
