#pragma once

// The code pages and line breaks the user picks from, in the order the dialogs list them,
// and which entry a document's own encoding starts on.

#include "codepage/textencoding.h"
#include "textmodel/linebreaks.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

struct CodePageChoice {
    QString caption;
    // The iconv code page (codepage/codepage.h).
    const char *codePage;
    bool byteOrderMark;
};

// The code pages a file can be read again in.
std::span<const CodePageChoice> readChoices();
// The code pages a document can be saved in, each with or without its byte-order mark.
std::span<const CodePageChoice> saveChoices();

// The entry of `choices` for `encoding`: the same code page with the same mark, else the
// same code page; the first entry when none holds it.
int choiceFor(std::span<const CodePageChoice> choices, const TextEncoding &encoding);

struct BreakChoice {
    QString caption;
    // nullopt: each line keeps its own.
    std::optional<LineBreak> lineBreak;
};
std::span<const BreakChoice> breakChoices();

// The captions, for a combo box.
template <class Choice> QStringList captionsOf(std::span<const Choice> choices)
{
    QStringList captions;
    for (const Choice &choice : choices)
        captions << choice.caption;
    return captions;
}
