#include "forms/textfieldmarkup.h"

#include "markup/markupparts.h"

namespace {

QString singleLine(const TextFieldFields &fields)
{
    QString tag = QStringLiteral("<INPUT TYPE='TEXT'") +
                  attribute(QStringLiteral("NAME"), fields.name) +
                  attribute(QStringLiteral("VALUE"), fields.value) +
                  optionalAttribute(QStringLiteral("SIZE"), fields.size);
    if (!fields.maxLength.isEmpty())
        tag += attribute(QStringLiteral("MAXLENGTH"), QLatin1Char(' ') + fields.maxLength);
    return tag + QLatin1Char('>');
}

QString multiLine(const TextFieldFields &fields)
{
    return QStringLiteral("<TEXTAREA") + attribute(QStringLiteral("NAME"), fields.name) +
           optionalAttribute(QStringLiteral("ROWS"), fields.rows) +
           optionalAttribute(QStringLiteral("COLS"), fields.cols) + QLatin1Char('>') +
           fields.value + QStringLiteral("</TEXTAREA>");
}

} // namespace

QString textFieldMarkup(const TextFieldFields &fields)
{
    return (fields.kind == TextFieldKind::SingleLine ? singleLine(fields) : multiLine(fields)) +
           CrLf;
}
