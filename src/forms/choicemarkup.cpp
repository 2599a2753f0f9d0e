#include "forms/choicemarkup.h"

#include "markup/markupparts.h"

QString choiceMarkup(const ChoiceFields &fields)
{
    const QString type =
        fields.kind == ChoiceKind::Radio ? QStringLiteral("RADIO") : QStringLiteral("CHECKBOX");
    return QStringLiteral("<INPUT") + attribute(QStringLiteral("TYPE"), type) +
           optionalAttribute(QStringLiteral("NAME"), fields.name) +
           optionalAttribute(QStringLiteral("VALUE"), fields.value) + QLatin1Char('>') +
           fields.shown + CrLf;
}
