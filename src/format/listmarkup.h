#pragma once

// Markup of the list dialog: an OL or UL skeleton with empty items.

#include "textview/viewoptions.h"

#include <QString>
#include <QStringView>
#include <optional>

enum class ListKind { Numbered, Bulleted };

struct ListFields {
    ListKind kind = ListKind::Numbered;
    QString style;           // the TYPE of the items
    qint16 furtherItems = 0; // items after the first
};

// The items after the first for a typed item count: the count read as a leading number,
// less one, rounded half to even. nullopt when that leaves 0..32767, which covers empty and
// non-numeric text and counts below 0.5 or from 32768.5 on.
std::optional<qint16> furtherListItems(QStringView countText);

// The first item stands on the start tag's line; a numbered list repeats TYPE on every
// item, a bulleted one only on the first. Every line ends with CR LF. HTML5 writes the
// numbering type once on the list and a bullet shape as its list-style-type.
QString listMarkup(const ListFields &fields, MarkupStyle style = MarkupStyle::Classic);
