#include "forms/buttonmarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"

QString buttonMarkup(const ButtonFields &fields, MarkupStyle style)
{
    const QString type =
        fields.kind == ButtonKind::Submit ? QStringLiteral("SUBMIT") : QStringLiteral("RESET");
    return inputTag(type, fields.name, fields.value, style) + CrLf;
}
