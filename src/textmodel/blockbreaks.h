#pragma once

// What each block break of the text widget stands for in the file, and the pieces long
// lines are shown in. Part of the text model; nothing else reads these marks.
//
// A block break of the widget is a character of the widget's document, and it carries a
// character format of its own. The model keeps there what the break is: a line break of
// the document's kind, a line's own break, the missing break of a file's last line, or a
// seam between two pieces of one long line. QTextDocument's undo and redo bring a removed
// break back with its format, so all of this travels with every edit and its undo; a
// block's user state would be lost on the way.

#include "textmodel/linebreaks.h"

#include <QString>

#include <optional>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

namespace blockbreaks {

// The break after a block. The values 0 to 2 are a line's own LineBreak.
enum Mark : signed char {
    DocumentBreak = -1,
    // The file's last line had no break; kept only while the document ends with that line.
    NoBreak = 3,
    // No break at all: the line goes on in the next block.
    Seam = 4,
};

// Whether `mark` is a line break other than the document's.
bool isOwnBreak(int mark);
// The line break a block break with `mark` writes into the file, none for a seam. A missing
// break stays missing only where it was: before the text's last block, while it is empty.
std::optional<LineBreak> written(int mark, bool beforeEmptyLastBlock, LineBreak documentBreak);
// Whether any break of `document` has a mark other than DocumentBreak, or ever had.
bool anyMarks(const QTextDocument &document);

// The mark of the break after `block`; DocumentBreak after the last block.
int markAfter(const QTextBlock &block);
bool hasSeamAfter(const QTextBlock &block);
// The format a break with `mark` is written with.
QTextCharFormat formatFor(int mark);
// Sets the marks of the breaks after the first blocks of `document`, one per block, as one
// edit (each a format change, which the caller leaves out of the undo history).
void setMarks(QTextDocument &document, const std::vector<signed char> &marks);

// Longer lines are shown in pieces of this length, one block each. The widget lays out and
// paints a block whole: a line of megabytes (a minified page) would take seconds at every
// key press and every blink of the caret.
inline constexpr qsizetype PieceLength = 2000;

// `text` with a block break between the pieces of every line longer than PieceLength;
// `marks` (one per line break) becomes one per block break, Seam between pieces.
QString inPieces(QStringView text, std::vector<signed char> &marks);

// Cuts every block from `first` to `last` (block numbers) that is longer than PieceLength
// into pieces, in the edit under way. Returns whether it cut any.
bool cutLongBlocks(QTextDocument &document, int first, int last);

} // namespace blockbreaks
