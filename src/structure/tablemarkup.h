#pragma once

// Markup of the table dialog: the opening TABLE tag, the rows of empty cells, and the end.
// Every field goes in as typed; only the two counts are read as numbers.

#include "textview/viewoptions.h"

#include <QString>
#include <optional>

// The alignment text that stands for "no ALIGN attribute".
inline const QString NoCellAlignment = QStringLiteral("指定しない");

enum class CellBreaks {
    EmptyLine, // an empty line after every cell opening, ready for the cell's content
    None,      // each row on one line
};

struct TableFields {
    QString border;
    QString width;
    QString height;
    QString borderColor;
    QString backgroundColor;
    QString padding;
    QString spacing;
    QString cellColor;
    QString cellAlign = NoCellAlignment;
    QString columns = QStringLiteral("1");
    QString rows = QStringLiteral("1");
    CellBreaks breaks = CellBreaks::EmptyLine;
};

// The largest table the dialog writes. Beyond these the markup would exhaust memory or
// be of no use in a hand-edited page.
constexpr qint64 MaxTableCells = 100000;
constexpr qint64 MaxTableLength = 10000000;

// The rows are the leading number of `rows` and the cells after each row's first the
// leading number of `columns` less one, both rounded half to even; a text without a
// leading number counts as 0. Counts of 0 or less give no rows, or only the first cell.
// nullopt, before anything is built, when a count is above the 16-bit 32767 or the table
// would have more than MaxTableCells cells or MaxTableLength characters.
// HTML5 writes the same rows in lower case with the table's look as CSS: its border (outset,
// with inset borders on its cells), sizes, colours and spacing on the table, the padding, the
// cell colour and the alignment on every cell.
std::optional<QString> tableMarkup(const TableFields &fields,
                                   MarkupStyle style = MarkupStyle::Classic);
