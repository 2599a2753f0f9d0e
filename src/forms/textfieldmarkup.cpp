#include "forms/textfieldmarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"

namespace {

QString singleLine(const TextFieldFields &fields, MarkupStyle style)
{
    QString tag =
        markupName(QStringLiteral("<INPUT"), style) +
        attribute(QStringLiteral("TYPE"), markupName(QStringLiteral("TEXT"), style), style) +
        attribute(QStringLiteral("NAME"), fields.name, style) +
        attribute(QStringLiteral("VALUE"), fields.value, style) +
        optionalAttribute(QStringLiteral("SIZE"), fields.size, style);
    // The classic tag has always carried a blank before the length; HTML5 wants a bare
    // number.
    const QString lead = style == MarkupStyle::Classic ? QStringLiteral(" ") : QString();
    if (!fields.maxLength.isEmpty())
        tag += attribute(QStringLiteral("MAXLENGTH"), lead + fields.maxLength, style);
    return tag + QLatin1Char('>');
}

QString multiLine(const TextFieldFields &fields, MarkupStyle style)
{
    return markupName(QStringLiteral("<TEXTAREA"), style) +
           attribute(QStringLiteral("NAME"), fields.name, style) +
           optionalAttribute(QStringLiteral("ROWS"), fields.rows, style) +
           optionalAttribute(QStringLiteral("COLS"), fields.cols, style) + QLatin1Char('>') +
           fields.value + markupName(QStringLiteral("</TEXTAREA>"), style);
}

} // namespace

QString textFieldMarkup(const TextFieldFields &fields, MarkupStyle style)
{
    return (fields.kind == TextFieldKind::SingleLine ? singleLine(fields, style)
                                                     : multiLine(fields, style)) +
           CrLf;
}
