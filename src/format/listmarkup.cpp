#include "format/listmarkup.h"

#include "markup/markupparts.h"
#include "markup/numbers.h"

std::optional<qint16> furtherListItems(QStringView countText)
{
    const std::optional<qint16> counter = numbers::toInt16(numbers::leadingNumber(countText) - 1);
    if (!counter || *counter < 0)
        return std::nullopt;
    return counter;
}

QString listMarkup(const ListFields &fields)
{
    const bool numbered = fields.kind == ListKind::Numbered;
    const QString typedItem = QStringLiteral("<LI TYPE='") + fields.style + QStringLiteral("'>");
    const QString furtherItem = numbered ? typedItem : QStringLiteral("<LI>");
    const QString element = numbered ? QStringLiteral("OL") : QStringLiteral("UL");
    QString markup = QLatin1Char('<') + element + QLatin1Char('>') + typedItem + CrLf;
    for (qint16 item = 0; item < fields.furtherItems; ++item)
        markup += furtherItem + CrLf;
    return markup + QStringLiteral("</") + element + QLatin1Char('>') + CrLf;
}
