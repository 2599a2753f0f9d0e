#pragma once

// The document's text as every command sees it, over the QPlainTextEdit that shows it.
//
// In this model a line break is CR LF and counts two characters in every offset and in
// Text(). A lone LF or a lone CR in the text is kept as it is. The widget holds one block
// per CR LF-separated line; inside a block a lone LF is a line separator (U+2028, shown as
// a line break) and a lone CR is shown as the mark U+240D. Genuine occurrences of those
// stand-ins, and of the characters the widget cannot hold at all (paragraph and frame
// separators), are tagged with their original code point so they come back unchanged.
// This class is the only place that translates offsets and line breaks.

#include <QString>

class QPlainTextEdit;
class QTextDocument;

class TextModel {
public:
    explicit TextModel(QPlainTextEdit &widget);

    // The whole text, CR LF between lines.
    QString Text() const;
    // Replaces the whole text; the caret goes to the start, nothing is selected.
    void setText(const QString &text);
    qsizetype length() const;
    bool isEmpty() const;

    QString SelText() const;
    // Replaces the selection (or inserts at the caret); the caret ends after `text`.
    void setSelText(const QString &text);

    qsizetype SelStart() const;
    // Removes the selection and puts the caret at `offset` (clamped to the text).
    void setSelStart(qsizetype offset);
    qsizetype SelLength() const;
    // Selects `length` characters from SelStart on (clamped to the text).
    void setSelLength(qsizetype length);

    // Offset conversions between this model and the widget's cursor positions.
    qsizetype toModelOffset(int widgetPosition) const;
    int toWidgetPosition(qsizetype modelOffset) const;

    // The widget form of `text`, for code that inserts into the widget directly
    // (keyboard input); keeps its stand-ins apart from genuine characters.
    static QString toWidgetForm(const QString &text);

private:
    QString modelText(int from, int to) const;
    void insertModelText(const QString &text);

    QPlainTextEdit &widget_;
    QTextDocument &document_;
};
