#include "structure/tablemarkup.h"

#include "markup/markupparts.h"
#include "markup/markupstyle.h"
#include "markup/numbers.h"

#include <limits>

namespace {

// A count as the dialog's 16-bit counters run it: 0 for anything up to 0, nullopt above
// 32767.
std::optional<qint64> counterLimit(double count)
{
    const double rounded = numbers::roundHalfEven(count);
    if (!(rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return rounded > 0 ? qint64(rounded) : 0;
}

bool hasBorder(const TableFields &fields)
{
    const QString border = fields.border.trimmed();
    return !border.isEmpty() && border != QLatin1String("0");
}

// The table's own look; the padding and the inner borders belong to its cells.
QStringList tableDeclarations(const TableFields &fields)
{
    QStringList declarations;
    if (hasBorder(fields))
        declarations << QStringLiteral("border: ") + cssLength(fields.border) +
                            QStringLiteral(" outset");
    if (!fields.width.isEmpty())
        declarations << QStringLiteral("width: ") + cssLength(fields.width);
    if (!fields.height.isEmpty())
        declarations << QStringLiteral("height: ") + cssLength(fields.height);
    if (!fields.borderColor.isEmpty())
        declarations << QStringLiteral("border-color: ") + fields.borderColor;
    if (!fields.backgroundColor.isEmpty())
        declarations << QStringLiteral("background-color: ") + fields.backgroundColor;
    if (!fields.spacing.isEmpty())
        declarations << QStringLiteral("border-spacing: ") + cssLength(fields.spacing);
    return declarations;
}

QStringList cellDeclarations(const TableFields &fields)
{
    QStringList declarations;
    if (hasBorder(fields))
        declarations << QStringLiteral("border: 1px inset");
    if (!fields.borderColor.isEmpty() && hasBorder(fields))
        declarations << QStringLiteral("border-color: ") + fields.borderColor;
    if (!fields.padding.isEmpty())
        declarations << QStringLiteral("padding: ") + cssLength(fields.padding);
    if (!fields.cellColor.isEmpty())
        declarations << QStringLiteral("background-color: ") + fields.cellColor;
    if (fields.cellAlign != NoCellAlignment)
        declarations << QStringLiteral("text-align: ") + fields.cellAlign.toLower();
    return declarations;
}

QString openingTag(const TableFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5)
        return QStringLiteral("<table") + styleAttribute(tableDeclarations(fields)) +
               QLatin1Char('>') + CrLf;
    return QStringLiteral("<TABLE") + optionalAttribute(QStringLiteral("BORDER"), fields.border) +
           optionalAttribute(QStringLiteral("WIDTH"), fields.width) +
           optionalAttribute(QStringLiteral("HEIGHT"), fields.height) +
           optionalAttribute(QStringLiteral("BORDERCOLOR"), fields.borderColor) +
           optionalAttribute(QStringLiteral("BGCOLOR"), fields.backgroundColor) +
           optionalAttribute(QStringLiteral("CELLPADDING"), fields.padding) +
           optionalAttribute(QStringLiteral("CELLSPACING"), fields.spacing) + QLatin1Char('>') +
           CrLf;
}

// What every cell opening carries after "<TD": its colour, then its alignment.
QString cellAttributes(const TableFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5)
        return styleAttribute(cellDeclarations(fields)) + QLatin1Char('>');
    QString attributes = optionalAttribute(QStringLiteral("BGCOLOR"), fields.cellColor);
    if (fields.cellAlign != NoCellAlignment)
        attributes += attribute(QStringLiteral("ALIGN"), fields.cellAlign);
    return attributes + QLatin1Char('>');
}

struct RowParts {
    QString first;   // the row's first cell opening, with its line breaks
    QString further; // each further cell opening, with its line breaks
};

RowParts rowParts(const TableFields &fields, MarkupStyle style)
{
    const QString breaks = fields.breaks == CellBreaks::EmptyLine ? CrLf + CrLf : QString();
    const QString attributes = cellAttributes(fields, style);
    return {markupName(QStringLiteral("<TR><TD"), style) + attributes + breaks,
            markupName(QStringLiteral("</TD><TD"), style) + attributes + breaks};
}

} // namespace

std::optional<QString> tableMarkup(const TableFields &fields, MarkupStyle style)
{
    const QString rowEnd = markupName(QStringLiteral("</TD></TR>"), style) + CrLf;
    const QString tableEnd = markupName(QStringLiteral("</TABLE>"), style) + CrLf;
    const std::optional<qint64> rows = counterLimit(numbers::leadingNumber(fields.rows));
    const std::optional<qint64> furtherCells =
        counterLimit(numbers::leadingNumber(fields.columns) - 1);
    if (!rows || !furtherCells || *rows * (*furtherCells + 1) > MaxTableCells)
        return std::nullopt;

    const QString opening = openingTag(fields, style);
    const RowParts parts = rowParts(fields, style);
    const qint64 rowLength =
        parts.first.size() + *furtherCells * parts.further.size() + rowEnd.size();
    if (opening.size() + *rows * rowLength + tableEnd.size() > MaxTableLength)
        return std::nullopt;

    const QString row = parts.first + parts.further.repeated(*furtherCells) + rowEnd;
    return opening + row.repeated(*rows) + tableEnd;
}
