#pragma once

// Which tag is the other half of the one at the caret: the end tag of a start tag, the start
// tag of an end tag, so the text box can mark it. Elements of the same name nest
// (`<div><div></div></div>` pairs outer with outer), names match in any case, a void element
// or a tag closed with "/>" has no other half, and what stands in a comment, a script or a
// style block is not markup. No widgets: a stretch of text and the state its reading starts
// in go in, the partner's place in that stretch comes out.

#include "textview/htmllexer.h"

#include <QStringView>

#include <optional>

namespace TagPair {

// A whole tag, from its "<" up to and including its ">".
struct Range {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const Range &) const = default;
};

// The partner of the tag that holds `caret` (after its "<", up to right after its ">"),
// reading `text` from `entry` on; none when the caret is in no whole tag or the partner is
// not within `text`.
std::optional<Range> partnerOf(QStringView text, HtmlLexer::State entry, qsizetype caret);

} // namespace TagPair
