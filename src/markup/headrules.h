#pragma once

// The style rules HTML5 markup shares (a marquee's keyframes, the page's link colours) go
// once into one <style> block in the page's head, where every element that uses them finds
// them.

#include <QString>
#include <optional>

struct HeadInsertion {
    qsizetype offset = 0;
    QString text;
};

// Where and what to insert into `page` so that its head holds `rule`: nothing when the page
// holds the rule already or has no </head>; into the head's first <style> block before its
// end tag, or a new block before </head>. Names are found in any case; lines break with
// CR LF.
std::optional<HeadInsertion> headInsertion(const QString &page, const QString &rule);

// Puts `rule` into the active document's head as headInsertion says, keeping the selection
// on the same text. Nothing without a document.
void addToActiveHead(const QString &rule);
