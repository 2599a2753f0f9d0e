#include "format/listmarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"
#include "markup/numbers.h"

std::optional<qint16> furtherListItems(QStringView countText)
{
    const std::optional<qint16> counter = numbers::toInt16(numbers::leadingNumber(countText) - 1);
    if (!counter || *counter < 0)
        return std::nullopt;
    return counter;
}

namespace {

// HTML5 keeps the numbering type on the list; bullet shapes are CSS.
QString styledList(const ListFields &fields)
{
    const bool numbered = fields.kind == ListKind::Numbered;
    QString shape = fields.style.toLower();
    if (shape == QLatin1String("disk"))
        shape = QStringLiteral("disc");
    const QString opening =
        numbered
            ? QStringLiteral("<ol") +
                  attribute(QStringLiteral("TYPE"), fields.style, MarkupStyle::Html5)
            : QStringLiteral("<ul") + styleAttribute({QStringLiteral("list-style-type: ") + shape});
    const QString item = QStringLiteral("<li>") + CrLf;
    return opening + QLatin1Char('>') + item + item.repeated(fields.furtherItems) +
           (numbered ? QStringLiteral("</ol>") : QStringLiteral("</ul>")) + CrLf;
}

} // namespace

QString listMarkup(const ListFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5)
        return styledList(fields);
    const bool numbered = fields.kind == ListKind::Numbered;
    const QString typedItem = QStringLiteral("<LI TYPE='") + fields.style + QStringLiteral("'>");
    const QString furtherItem = numbered ? typedItem : QStringLiteral("<LI>");
    const QString element = numbered ? QStringLiteral("OL") : QStringLiteral("UL");
    QString markup = QLatin1Char('<') + element + QLatin1Char('>') + typedItem + CrLf;
    for (qint16 item = 0; item < fields.furtherItems; ++item)
        markup += furtherItem + CrLf;
    return markup + QStringLiteral("</") + element + QLatin1Char('>') + CrLf;
}
