#pragma once

// Reads HTML source one line at a time for its colours: which characters are tag names,
// attribute names and values, comments, character references and declarations (the
// DOCTYPE). The state after a line goes in with the next line, so a comment, a tag or a
// quoted value that spans lines keeps its kind to its end. The content of SCRIPT and STYLE
// elements is not markup and gets no kind. No widgets: text and state in, spans out.

#include <QStringView>

#include <cstdint>
#include <span>
#include <vector>

namespace HtmlLexer {

enum class Kind : std::uint8_t {
    TagName, // "<", "</", the name, and the closing ">" or "/>"
    AttributeName,
    AttributeValue, // quotes included
    Comment,
    Reference,   // "&amp;", "&#12354;", "&#x3042;"
    Declaration, // "<!DOCTYPE ...>" and other "<!...>" or "<?...>"
};

struct Span {
    int start;
    int length;
    Kind kind;
};

// Where the reading stands between two lines; small enough to keep one per line.
struct State {
    enum Mode : std::uint8_t {
        Text,
        InTag,       // between the attributes of a tag
        AfterName,   // after an attribute name, before a possible "="
        BeforeValue, // after "="
        DoubleQuoted,
        SingleQuoted,
        InComment,
        InDeclaration,
        InScript, // the content of a SCRIPT element, up to its end tag
        InStyle,
    };
    // The element whose start tag is being read, when its content is not markup.
    enum RawElement : std::uint8_t { NoRaw, Script, Style };

    Mode mode = Text;
    RawElement raw = NoRaw;
    // Dashes seen at the end of a comment's line, which a ">" on the next would close.
    std::uint8_t dashes = 0;

    bool operator==(const State &) const = default;
};

// Reads `line` from `state` on and returns the state after it. When `spans` is given, the
// coloured spans are appended to it in order; characters in no span are plain text.
State lex(QStringView line, State state, std::vector<Span> *spans);

// Whether a character reference put at any of `offsets` (ascending) of the page `text` would
// be read as the characters it is written with: in a comment, or in the content of a SCRIPT
// or STYLE element.
bool anyWhereReferencesAreNotRead(QStringView text, std::span<const qsizetype> offsets);

} // namespace HtmlLexer
