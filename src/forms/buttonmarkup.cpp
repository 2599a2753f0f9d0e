#include "forms/buttonmarkup.h"

#include "markup/markupparts.h"

namespace {

// Each piece is written with a blank after it for the next one; the blank that no piece
// follows goes before ">".
void chopTrailingBlanks(QString &text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
}

} // namespace

QString buttonMarkup(const ButtonFields &fields)
{
    QString tag = fields.kind == ButtonKind::Submit ? QStringLiteral("<INPUT TYPE='SUBMIT' ")
                                                    : QStringLiteral("<INPUT TYPE='RESET' ");
    if (!fields.name.isEmpty())
        tag += QStringLiteral("NAME='") + fields.name + QStringLiteral("' ");
    if (!fields.value.isEmpty())
        tag += QStringLiteral("VALUE='") + fields.value + QLatin1Char('\'');
    chopTrailingBlanks(tag);
    return tag + QLatin1Char('>') + CrLf;
}
