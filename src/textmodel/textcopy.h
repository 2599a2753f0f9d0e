#pragma once

// A stretch of the document's text taken from the widget in one step, with what each block
// break in it stands for. The text as the model has it, or as the file has it, is made from
// the copy afterwards, on any thread, without the widget: the journal takes a copy while the
// user pauses and writes it from another thread.

#include "textmodel/linebreaks.h"

#include <QString>

#include <utility>
#include <vector>

class QTextDocument;

// The widget's text of positions [from, to), a block break as U+2029.
QString widgetText(const QTextDocument &document, int from, int to);

class TextCopy {
public:
    // Widget positions [from, to) of `document`, whose lines without a break of their own
    // take `documentBreak`.
    TextCopy(const QTextDocument &document, int from, int to, LineBreak documentBreak);

    // CR LF between lines, nothing between the pieces of a long line.
    QString modelText() const;
    // Every line with its own break, none after a last line its file left without one.
    QString fileText() const;
    // Whether the model's text ends with a break that the file's leaves out.
    bool endsWithAddedBreak() const;
    LineBreak documentBreak() const { return documentBreak_; }

private:
    template <typename BreakText> QString joined(BreakText breakText) const;
    bool isLastBreakAtEnd(std::size_t index) const;
    int markAt(std::size_t index) const;

    // Block breaks as U+2029; placeholders as the widget has them.
    QString text_;
    // The characters the placeholders stand for, by their position in text_.
    std::vector<std::pair<qsizetype, char16_t>> originals_;
    // The mark of every block break; empty when every break is the document's.
    std::vector<signed char> marks_;
    std::size_t breakCount_ = 0;
    bool atDocumentEnd_ = false;
    LineBreak documentBreak_;
};
