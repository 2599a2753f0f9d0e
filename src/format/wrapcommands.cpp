#include "format/wrapcommands.h"

#include "document/activedocument.h"

namespace WrapCommands {

void Bold()
{
    wrapActiveSelection(QStringLiteral("<B>"), QStringLiteral("</B>"));
}
void Italic()
{
    wrapActiveSelection(QStringLiteral("<I>"), QStringLiteral("</I>"));
}
void UnderLine()
{
    wrapActiveSelection(QStringLiteral("<U>"), QStringLiteral("</U>"));
}
void Torikesi()
{
    wrapActiveSelection(QStringLiteral("<S>"), QStringLiteral("</S>"));
}
void Left()
{
    wrapActiveSelection(QStringLiteral("<DIV ALIGN=LEFT>"), QStringLiteral("</DIV>"));
}
void Right()
{
    wrapActiveSelection(QStringLiteral("<DIV ALIGN=RIGHT>"), QStringLiteral("</DIV>"));
}
void Center()
{
    wrapActiveSelection(QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>"));
}
void Comment()
{
    wrapActiveSelection(QStringLiteral("<!--"), QStringLiteral("-->"));
}
void AddSel()
{
    wrapActiveSelection(QStringLiteral("<TD>"), QStringLiteral("</TD>"));
}

void BR()
{
    replaceActiveSelection(QStringLiteral("<BR>"));
}
void NOBR()
{
    replaceActiveSelection(QStringLiteral("<NOBR>"));
}
void K1()
{
    replaceActiveSelection(QStringLiteral("&lt;"));
}
void K2()
{
    replaceActiveSelection(QStringLiteral("&gt;"));
}
void K3()
{
    replaceActiveSelection(QStringLiteral("&quot;"));
}
void K4()
{
    replaceActiveSelection(QStringLiteral("&amp;"));
}

} // namespace WrapCommands
