#include "markup/headrules.h"

#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "markup/markupparts.h"

std::optional<HeadInsertion> headInsertion(const QString &page, const QString &rule)
{
    if (page.contains(rule))
        return std::nullopt;
    const qsizetype headEnd = page.indexOf(QStringLiteral("</head>"), 0, Qt::CaseInsensitive);
    if (headEnd < 0)
        return std::nullopt;
    const qsizetype styleEnd =
        page.left(headEnd).indexOf(QStringLiteral("</style>"), 0, Qt::CaseInsensitive);
    if (styleEnd >= 0)
        return HeadInsertion{styleEnd, rule + CrLf};
    return HeadInsertion{headEnd, QStringLiteral("<style>") + CrLf + rule + CrLf +
                                      QStringLiteral("</style>") + CrLf};
}

void addToActiveHead(const QString &rule)
{
    DocumentWindow *document = activeDocument();
    if (!document)
        return;
    TextModel &text = document->Text();
    const std::optional<HeadInsertion> insertion = headInsertion(text.Text(), rule);
    if (!insertion)
        return;
    const qsizetype start = text.SelStart();
    const qsizetype length = text.SelLength();
    text.setSelStart(insertion->offset);
    text.setSelText(insertion->text);
    const qsizetype added = insertion->text.size();
    const bool before = insertion->offset <= start;
    const bool inside = !before && insertion->offset < start + length;
    text.setSelStart(before ? start + added : start);
    text.setSelLength(inside ? length + added : length);
}
