#pragma once

// How a builder writes names and values in the markup style the user chose. The classic
// style writes what it always has; the HTML5 style writes lower-case names, values in
// double quotes, and CSS declarations where HTML5 dropped an attribute.

#include "textview/viewoptions.h"

#include <QString>
#include <QStringList>

// The style chosen in the 表示 menu, read afresh at each use.
MarkupStyle chosenMarkupStyle();

// A tag or attribute name given in upper case, as `style` writes it.
QString markupName(const QString &name, MarkupStyle style);

// " NAME='value'" exactly as typed; in HTML5 ` name="value"` with every `"` as &quot;.
QString attribute(const QString &name, const QString &value, MarkupStyle style);
// The same, or nothing when the value is empty.
QString optionalAttribute(const QString &name, const QString &value, MarkupStyle style);

// An address as an attribute value: as typed, or in HTML5 with every & written &amp; (an
// &amp; already written stays as it is).
QString addressValue(const QString &address, MarkupStyle style);

// ` style="a; b"` for the declarations given, nothing when there are none.
QString styleAttribute(const QStringList &declarations);

// A length typed for an old attribute as CSS has it: a plain number counts pixels, other
// text ("50%", "2em") stands as typed.
QString cssLength(const QString &typed);

// The declarations that place a block at the left, centre or right ("LEFT", "CENTER",
// "RIGHT", any case) by its margins; none for other text.
QStringList blockAlignment(const QString &align);

// An INPUT tag of `type` (given in upper case), with NAME and VALUE when they are not empty.
QString inputTag(const QString &type, const QString &name, const QString &value, MarkupStyle style);
