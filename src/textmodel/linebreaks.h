#pragma once

// Line breaks as files have them. A file may end its lines with CR LF, LF or a lone CR, and
// may mix them; the document keeps each line's own break so a save writes the file back as
// it was. These functions split a text at its breaks the way the text widget does.

#include <QString>

#include <vector>

enum class LineBreak : char { CrLf, Lf, Cr };

// The characters of `lineBreak`.
QLatin1StringView breakText(LineBreak lineBreak);

// The break that ends every line of `text` in order, the one the most lines use (CR LF for
// a text without breaks; on a tie CR LF, then LF, then CR), and the longest line's length.
struct LineBreaks {
    std::vector<LineBreak> perLine;
    LineBreak mostCommon = LineBreak::CrLf;
    qsizetype longestLine = 0;
};
LineBreaks lineBreaksOf(QStringView text);

// `text` with every line break of any kind replaced by `lineBreak`.
QString withAllBreaks(QStringView text, LineBreak lineBreak);

// Whether `text` ends with a line break of any kind.
bool endsWithLineBreak(QStringView text);

// The number of line breaks of any kind in `text`.
qsizetype countLineBreaks(QStringView text);
