#include "forms/choicemarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"

QString choiceMarkup(const ChoiceFields &fields, MarkupStyle style)
{
    const QString type =
        fields.kind == ChoiceKind::Radio ? QStringLiteral("RADIO") : QStringLiteral("CHECKBOX");
    return inputTag(type, fields.name, fields.value, style) + fields.shown + CrLf;
}
