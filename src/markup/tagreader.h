#pragma once

// Reads a start tag that is already in the page back into its name and attributes, so the
// dialog that writes that tag can open filled in. Names are read in any case, values in
// single, double or no quotes; a `>` inside a quoted value does not end the tag, and a tag
// may run over several lines. Character references in values are decoded.

#include <QList>
#include <QString>

#include <optional>

struct TagAttribute {
    // As written in the page, in its own case.
    QString name;
    // Decoded; empty for an attribute written without a value.
    QString value;
    bool hasValue = false;
    // The attribute as written, from its name to the end of its value, in the page's offsets.
    qsizetype start = 0;
    qsizetype length = 0;
};

struct StartTag {
    // The offset of its `<` and its length up to and including its `>`.
    qsizetype start = 0;
    qsizetype length = 0;
    // As written in the page.
    QString name;
    QList<TagAttribute> attributes;

    // The attribute named `name` in any case, or null.
    const TagAttribute *attribute(QStringView name) const;
    // Whether the tag is written in upper case (its name), as the page's old style writes.
    bool isUpperCase() const;
};

// The start tag that holds `offset` (the caret inside it, or right after its `>`), looking
// back no further than `reach` characters. Null outside any start tag, in an end tag, a
// comment or a declaration, and in a tag that is not closed.
std::optional<StartTag> startTagAt(const QString &text, qsizetype offset, qsizetype reach = 20000);

// `value` with its character references (`&amp;`, `&#38;`, `&#x26;` and the common named
// ones) turned into characters; an unknown or unterminated reference stays as written.
QString decodeCharacterReferences(const QString &value);
