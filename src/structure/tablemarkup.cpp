#include "structure/tablemarkup.h"

#include "markup/markupparts.h"
#include "markup/numbers.h"

#include <limits>

namespace {

const QString RowEnd = QStringLiteral("</TD></TR>") + CrLf;
const QString TableEnd = QStringLiteral("</TABLE>") + CrLf;

// A count as the dialog's 16-bit counters run it: 0 for anything up to 0, nullopt above
// 32767.
std::optional<qint64> counterLimit(double count)
{
    const double rounded = numbers::roundHalfEven(count);
    if (!(rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return rounded > 0 ? qint64(rounded) : 0;
}

QString openingTag(const TableFields &fields)
{
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
QString cellAttributes(const TableFields &fields)
{
    QString attributes = optionalAttribute(QStringLiteral("BGCOLOR"), fields.cellColor);
    if (fields.cellAlign != NoCellAlignment)
        attributes += attribute(QStringLiteral("ALIGN"), fields.cellAlign);
    return attributes + QLatin1Char('>');
}

struct RowParts {
    QString first;   // the row's first cell opening, with its line breaks
    QString further; // each further cell opening, with its line breaks
};

RowParts rowParts(const TableFields &fields)
{
    const QString breaks = fields.breaks == CellBreaks::EmptyLine ? CrLf + CrLf : QString();
    const QString attributes = cellAttributes(fields);
    return {QStringLiteral("<TR><TD") + attributes + breaks,
            QStringLiteral("</TD><TD") + attributes + breaks};
}

} // namespace

std::optional<QString> tableMarkup(const TableFields &fields)
{
    const std::optional<qint64> rows = counterLimit(numbers::leadingNumber(fields.rows));
    const std::optional<qint64> furtherCells =
        counterLimit(numbers::leadingNumber(fields.columns) - 1);
    if (!rows || !furtherCells || *rows * (*furtherCells + 1) > MaxTableCells)
        return std::nullopt;

    const QString opening = openingTag(fields);
    const RowParts parts = rowParts(fields);
    const qint64 rowLength =
        parts.first.size() + *furtherCells * parts.further.size() + RowEnd.size();
    if (opening.size() + *rows * rowLength + TableEnd.size() > MaxTableLength)
        return std::nullopt;

    const QString row = parts.first + parts.further.repeated(*furtherCells) + RowEnd;
    return opening + row.repeated(*rows) + TableEnd;
}
