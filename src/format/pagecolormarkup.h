#pragma once

// Markup of the page colours dialog: the BODY start tag with the five page colours.

#include "textview/viewoptions.h"

#include <QString>
#include <array>

// The colour slots, in the order of the dialog's options.
enum PageColorSlot { BackgroundSlot, TextSlot, LinkSlot, VisitedLinkSlot, ActiveLinkSlot };
inline constexpr int PageColorSlotCount = 5;

struct PageColorFields {
    std::array<QString, PageColorSlotCount> colors; // colour values, indexed by PageColorSlot
    QString backgroundImage;
};

// The BODY tag; BACKGROUND only when an image address is given. Colour values stand
// without quotes. HTML5: the background and text colours (and image) in a style attribute;
// the link colours go into the head by linkColorRule.
QString bodyTagMarkup(const PageColorFields &fields, MarkupStyle style = MarkupStyle::Classic);

// The style rule giving the links of a page their three colours.
QString linkColorRule(const PageColorFields &fields);
