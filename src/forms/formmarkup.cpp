#include "forms/formmarkup.h"

#include "markup/markupparts.h"

QString formMarkup(const FormFields &fields)
{
    const QString method =
        fields.method == FormMethod::Post ? QStringLiteral("POST") : QStringLiteral("GET");
    const QString mailto =
        fields.destination == FormDestination::Mail ? QStringLiteral("MAILTO:") : QString();
    return QStringLiteral("<FORM") + attribute(QStringLiteral("METHOD"), method) +
           attribute(QStringLiteral("ACTION"), mailto + fields.address) +
           QStringLiteral(" ENCTYPE='TEXT/PLAIN'>") + fields.selection + QStringLiteral("</FORM>") +
           CrLf;
}
