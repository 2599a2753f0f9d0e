#include "structure/tablemarkup.h"

#include "format/numbers.h"

#include <limits>
#include <utility>

namespace {

const QString LineBreak = QStringLiteral("\r\n");
const QString RowEnd = QStringLiteral("</TD></TR>") + LineBreak;
const QString TableEnd = QStringLiteral("</TABLE>") + LineBreak;

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
    const std::pair<const char *, const QString *> attributes[] = {
        {" BORDER='", &fields.border},           {" WIDTH='", &fields.width},
        {" HEIGHT='", &fields.height},           {" BORDERCOLOR='", &fields.borderColor},
        {" BGCOLOR='", &fields.backgroundColor}, {" CELLPADDING='", &fields.padding},
        {" CELLSPACING='", &fields.spacing}};
    QString tag = QStringLiteral("<TABLE");
    for (const auto &[literal, value] : attributes) {
        if (!value->isEmpty())
            tag += QLatin1String(literal) + *value + QLatin1Char('\'');
    }
    return tag + QLatin1Char('>') + LineBreak;
}

// What every cell opening carries after "<TD": its colour, then its alignment.
QString cellAttributes(const TableFields &fields)
{
    QString attributes;
    if (!fields.cellColor.isEmpty())
        attributes += QStringLiteral(" BGCOLOR='") + fields.cellColor + QLatin1Char('\'');
    if (fields.cellAlign != NoCellAlignment)
        attributes += QStringLiteral(" ALIGN='") + fields.cellAlign + QLatin1Char('\'');
    return attributes + QLatin1Char('>');
}

struct RowParts {
    QString first;   // the row's first cell opening, with its line breaks
    QString further; // each further cell opening, with its line breaks
};

RowParts rowParts(const TableFields &fields)
{
    const QString breaks =
        fields.breaks == CellBreaks::EmptyLine ? LineBreak + LineBreak : QString();
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
