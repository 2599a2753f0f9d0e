#pragma once

// What name is being typed at the caret, for the completion list: an element name right
// after `<`, or an attribute name between the attributes of a start tag.

#include <QString>

struct CompletionContext {
    enum Kind { None, Element, Attribute };
    Kind kind = None;
    // The part of the name typed so far.
    QString prefix;
    // For an attribute, the element whose start tag it is in.
    QString element;

    bool operator==(const CompletionContext &) const = default;
};

// The context at the end of `before`, the text before the caret.
CompletionContext completionContext(const QString &before);
