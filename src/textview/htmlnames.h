#pragma once

// The names of HTML: every element of today's HTML and the old ones this program writes,
// whether each is void (has no end tag), and the attributes each takes. One table, read by
// the completion lists, by the end tags that close themselves and by the view, which marks
// the other half of the tag at the caret; it stands below all three.

#include <QStringList>
#include <QStringView>

namespace HtmlNames {

// The element names that start with `prefix` (any case), in lower case and in order.
QStringList elementsStartingWith(QStringView prefix);
// The attributes of `element` (any case; the global ones included) that start with
// `prefix`, in lower case and in order; none for an unknown element but the global ones.
QStringList attributesStartingWith(QStringView element, QStringView prefix);
// Whether `element` (any case) never has an end tag.
bool isVoid(QStringView element);
// Whether `name` is written in upper case, as the classic style writes names.
bool isUpperCase(QStringView name);

} // namespace HtmlNames
