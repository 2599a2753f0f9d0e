#include "forms/selectmarkup.h"

#include "markup/markupparts.h"
#include "markup/numbers.h"

std::optional<QString> selectMarkup(const SelectFields &fields)
{
    const std::optional<qint16> count = numbers::toInt16(fields.optionCount);
    if (!count)
        return std::nullopt;
    QString markup = QStringLiteral("<SELECT") + attribute(QStringLiteral("NAME"), fields.name) +
                     optionalAttribute(QStringLiteral("SIZE"), fields.height) +
                     (fields.choice == SelectChoice::Multiple ? QStringLiteral(" MULTIPLE>")
                                                              : QStringLiteral(">")) +
                     CrLf;
    for (int option = 0; option < *count; ++option)
        markup += QStringLiteral("<OPTION VALUE=''>") + CrLf;
    return markup + QStringLiteral("</SELECT>") + CrLf;
}
