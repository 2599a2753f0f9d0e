#pragma once

// The document's text as every command sees it, over the QPlainTextEdit that shows it.
//
// In this model a line break is CR LF and counts two characters in every offset and in
// Text(), whatever break the line has in its file. The widget holds one block per line.
// Each block remembers the break its line had in the file (in its user state), so a save
// writes every line back with its own break; a line without one of its own (typed, pasted
// or inserted by a command) gets the document's break, the one most lines of the file use.
// Characters the widget would turn into block or frame breaks (U+2029, U+FDD0, U+FDD1) are
// held as a placeholder tagged with their code point, so they come back unchanged.
// A very long line is shown in pieces, one block each, with no break between them in the
// model or the file, whether it came from the file or went in later; the keys that move by
// lines move over the whole line. What each block break stands for travels with undo and
// redo, so any edits and as many undos give back the file's bytes.
// This class is the only place that translates offsets and line breaks.

#include "textmodel/linebreaks.h"
#include "textmodel/textcopy.h"

#include <QMetaObject>
#include <QString>

#include <optional>
#include <vector>

class QPlainTextEdit;
class QTextBlock;
class QTextCursor;
class QTextDocument;

class TextModel {
public:
    explicit TextModel(QPlainTextEdit &widget);
    ~TextModel();
    TextModel(const TextModel &) = delete;
    TextModel &operator=(const TextModel &) = delete;

    // The whole text, CR LF between lines.
    QString Text() const;
    // Replaces the whole text; the caret goes to the start, nothing is selected. Every
    // CR LF, LF or lone CR in `text` is a line break; its lines take the document's break.
    void setText(const QString &text);
    qsizetype length() const;
    bool isEmpty() const;

    // How a file's text ends in the document: as in the file, or, as the open command
    // reads files line by line, with a line break after a last line that had none.
    enum class Ending { AsInFile, LineBreakAdded };
    // Replaces the whole text with a file's text, its line breaks as the file has them;
    // `documentBreak`, or else the most common of them, becomes the document's break.
    void setFileText(const QString &text, Ending ending,
                     std::optional<LineBreak> documentBreak = std::nullopt);
    // The text to write to the file: every line with its own break. A last line that had
    // no break in the file gets none as long as the document still ends with it.
    QString fileText() const;
    // The whole text in one step, cheap enough while the user pauses: what is made of it
    // later (fileText() among it) needs neither the widget nor this thread.
    TextCopy copy() const;
    // The break a line without one of its own gets: the one most lines of the file use.
    LineBreak documentBreak() const { return documentBreak_; }
    // Whether some line keeps a break other than the document's, so a save writes more
    // than one kind.
    bool hasMixedBreaks() const;
    // Gives every line `lineBreak`, the lines added later too. A last line the file left
    // without a break stays without. The text itself does not change.
    void setAllBreaks(LineBreak lineBreak);

    QString SelText() const;
    // Up to about `reach` characters before the selection (or the caret), as Text() has
    // them: what typing help reads without copying a whole long page.
    QString textBeforeCaret(int reach) const;
    // The selection as the file has it: each line break as its line has it in the file, and
    // none after a last line the file left without one. What copy and cut give away.
    QString selFileText() const;
    // Replaces the selection (or inserts at the caret); the caret ends after `text`. Every
    // CR LF, LF or lone CR in `text` is a line break. A text the document cannot take (see
    // admits) changes nothing.
    void setSelText(const QString &text);
    struct Range {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    // Replaces each of `ranges` (ascending, not overlapping) with `text`, as one edit and one
    // undo step; the caret ends after the last replacement, nothing selected. The replace-all
    // of find and replace, in one pass.
    void replaceEach(const std::vector<Range> &ranges, const QString &text);
    // As above, each range with the text of the same index in `texts`.
    void replaceEach(const std::vector<Range> &ranges, const std::vector<QString> &texts);

    qsizetype SelStart() const;
    // Removes the selection and puts the caret at `offset` (clamped to the text).
    void setSelStart(qsizetype offset);
    qsizetype SelLength() const;
    // Selects `length` characters from SelStart on (clamped to the text).
    void setSelLength(qsizetype length);

    // Whether `text` may go in by typing, a paste or a command. The characters that stand
    // for kept bytes of a file (U+EF00 to U+EFFF) may not, unless the document holds them
    // already: a save writes them as those bytes. A refused text is answered with a message.
    bool admits(QStringView text) const;

    // Cuts the line the caret is in into pieces again once typing has made a piece long.
    void cutGrownPiece();

    // Puts the caret where a Backspace or an arrow key (Backward), a Delete or an arrow key
    // (Forward) reaches a character of the text rather than the break between two pieces
    // of a long line; Select moves only the caret's end of the selection.
    enum class Direction { Backward, Forward };
    enum class Motion { Move, Select };
    void moveOffPieceBreaks(Direction direction, Motion motion);
    // Puts the caret at the start (Backward) or the end (Forward) of the line, past the
    // pieces it is shown in.
    void moveToLineEdge(Direction direction, Motion motion);

    // The offset of a place given as the user counts it: `line` from 1, one per line break
    // (CR LF, LF or lone CR alike); `column` from 1, one per character as shown, a full-width
    // character or one outside the BMP one column. Past the last line is the text's end, past
    // a line's end that line's end.
    qsizetype offsetOfLineColumn(int line, int column) const;

    // Offset conversions between this model and the widget's cursor positions.
    qsizetype toModelOffset(int widgetPosition) const;
    int toWidgetPosition(qsizetype modelOffset) const;

private:
    QString modelText(int from, int to) const;
    QString fileText(int from, int to) const;
    void replaceSelection(QTextCursor &cursor, const QString &text);
    struct RebuiltSpan;
    RebuiltSpan rebuiltSpan(const std::vector<int> &positions,
                            const std::vector<QString> &texts) const;
    std::vector<int> toWidgetPositions(const std::vector<qsizetype> &offsets) const;
    void fill(const QString &text, std::vector<signed char> marks, qsizetype longestLine);
    void noteChange(int removed, int added);
    void cutLongLines(int first, int last);
    void addFinalLineBreak();
    const std::vector<int> &pieceBreaks() const;
    qsizetype offsetAt(int number, int position) const;
    QTextBlock lineStart(int line) const;

    QPlainTextEdit &widget_;
    QTextDocument &document_;
    LineBreak documentBreak_ = LineBreak::CrLf;
    // Some line was cut into pieces; until then no block break is a seam.
    bool hasPieces_ = false;
    // Some line was given a break of its own; until then no line can hold one.
    bool hasOwnBreaks_ = false;
    int blockCount_ = 1;
    mutable std::optional<std::vector<int>> pieceBreaks_;
    mutable std::optional<bool> mixedBreaks_;
    QMetaObject::Connection changed_;
};
