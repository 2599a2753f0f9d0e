#pragma once

// Markup of the marquee dialog: a MARQUEE element around a typed text and the selection.

#include "textview/viewoptions.h"

#include <QString>

// In the order of the dialog's option buttons.
enum class MarqueeDirection { Right, Left };
enum class MarqueeBehavior { Scroll, Slide, Alternate };

struct MarqueeFields {
    MarqueeBehavior behavior = MarqueeBehavior::Scroll;
    MarqueeDirection direction = MarqueeDirection::Right;
    QString loop;
    QString text;
    QString selection;
};

// The keywords the classic style writes for them: "SCROLL", "LEFT" and so on.
QString marqueeKeyword(MarqueeBehavior behavior);
QString marqueeKeyword(MarqueeDirection direction);

// Classic: the loop value and the text go in as typed, also when empty. HTML5: a box that
// clips a span moved by the animation of marqueeKeyframes, run the loop's whole number of
// times (for ever for any other loop text); a slide stays where it stops.
QString marqueeMarkup(const MarqueeFields &fields, MarkupStyle style = MarkupStyle::Classic);

// The @keyframes rule the HTML5 marquee of `fields` moves by, for the page's head.
QString marqueeKeyframes(const MarqueeFields &fields);
