#include "forms/formmarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"

QString formMarkup(const FormFields &fields, MarkupStyle style)
{
    const QString method =
        fields.method == FormMethod::Post ? QStringLiteral("POST") : QStringLiteral("GET");
    const QString mailto =
        fields.destination == FormDestination::Mail ? QStringLiteral("MAILTO:") : QString();
    return markupName(QStringLiteral("<FORM"), style) +
           attribute(QStringLiteral("METHOD"), markupName(method, style), style) +
           attribute(QStringLiteral("ACTION"),
                     markupName(mailto, style) + addressValue(fields.address, style), style) +
           attribute(QStringLiteral("ENCTYPE"), markupName(QStringLiteral("TEXT/PLAIN"), style),
                     style) +
           QLatin1Char('>') + fields.selection + markupName(QStringLiteral("</FORM>"), style) +
           CrLf;
}
