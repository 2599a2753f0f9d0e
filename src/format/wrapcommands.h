#pragma once

// The wrap and insert commands: fixed markup around the active document's selection, or in
// its place. The main window's menu entries and toolbar buttons run them.

#include "textview/viewoptions.h"

#include <QString>

namespace WrapCommands {

struct Pair {
    QString prefix;
    QString suffix;
};

inline const Pair Bold{QStringLiteral("<B>"), QStringLiteral("</B>")};
inline const Pair Italic{QStringLiteral("<I>"), QStringLiteral("</I>")};
inline const Pair UnderLine{QStringLiteral("<U>"), QStringLiteral("</U>")};
inline const Pair Torikesi{QStringLiteral("<S>"), QStringLiteral("</S>")};
inline const Pair Left{QStringLiteral("<DIV ALIGN=LEFT>"), QStringLiteral("</DIV>")};
inline const Pair Right{QStringLiteral("<DIV ALIGN=RIGHT>"), QStringLiteral("</DIV>")};
inline const Pair Center{QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>")};
inline const Pair Comment{QStringLiteral("<!--"), QStringLiteral("-->")};
inline const Pair AddSel{QStringLiteral("<TD>"), QStringLiteral("</TD>")};

inline const QString BR = QStringLiteral("<BR>");
inline const QString NOBR = QStringLiteral("<NOBR>");
inline const QString K1 = QStringLiteral("&lt;");
inline const QString K2 = QStringLiteral("&gt;");
inline const QString K3 = QStringLiteral("&quot;");
inline const QString K4 = QStringLiteral("&amp;");

// A pair as `style` writes it: HTML5 in lower case, with the alignments and the centring as
// a styled division.
Pair styled(const Pair &pair, MarkupStyle style);
// What an insertion writes in `style`: the markup alone (no suffix), or, for the no-break
// in HTML5, a pair that keeps the selection on one line.
Pair styledInsertion(const QString &markup, MarkupStyle style);

// Replaces the selection with prefix + selection + suffix in the chosen style; with nothing
// selected the pair goes in at the caret.
void wrap(const Pair &pair);
// Replaces the selection with `markup` in the chosen style (or wraps it, as styledInsertion
// says).
void insert(const QString &markup);

} // namespace WrapCommands
