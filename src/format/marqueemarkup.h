#pragma once

// Markup of the marquee dialog: a MARQUEE element around a typed text and the selection.

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

// The loop value and the text go in as typed, also when empty.
QString marqueeMarkup(const MarqueeFields &fields);
