#include "forms/selectmarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"
#include "markup/numbers.h"

namespace {

// HTML5 wants text in every option: each gets a numbered placeholder to write over.
QString optionLine(int option, MarkupStyle style)
{
    if (style == MarkupStyle::Classic)
        return QStringLiteral("<OPTION VALUE=''>") + CrLf;
    return QStringLiteral("<option value=\"\">選択肢%1</option>").arg(option + 1) + CrLf;
}

} // namespace

std::optional<QString> selectMarkup(const SelectFields &fields, MarkupStyle style)
{
    const std::optional<qint16> count = numbers::toInt16(fields.optionCount);
    if (!count)
        return std::nullopt;
    const QString multiple = fields.choice == SelectChoice::Multiple
                                 ? QLatin1Char(' ') + markupName(QStringLiteral("MULTIPLE"), style)
                                 : QString();
    QString markup = markupName(QStringLiteral("<SELECT"), style) +
                     attribute(QStringLiteral("NAME"), fields.name, style) +
                     optionalAttribute(QStringLiteral("SIZE"), fields.height, style) + multiple +
                     QLatin1Char('>') + CrLf;
    for (int option = 0; option < *count; ++option)
        markup += optionLine(option, style);
    return markup + markupName(QStringLiteral("</SELECT>"), style) + CrLf;
}
