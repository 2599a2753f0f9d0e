#include "format/marqueemarkup.h"

namespace {

QString keyword(MarqueeBehavior behavior)
{
    switch (behavior) {
    case MarqueeBehavior::Scroll:
        return QStringLiteral("SCROLL");
    case MarqueeBehavior::Slide:
        return QStringLiteral("SLIDE");
    case MarqueeBehavior::Alternate:
        return QStringLiteral("ALTERNATE");
    }
    return QString();
}

QString keyword(MarqueeDirection direction)
{
    return direction == MarqueeDirection::Left ? QStringLiteral("LEFT") : QStringLiteral("RIGHT");
}

} // namespace

QString marqueeMarkup(const MarqueeFields &fields)
{
    return QStringLiteral("<MARQUEE BEHAVIOR='") + keyword(fields.behavior) +
           QStringLiteral("' DIRECTION='") + keyword(fields.direction) +
           QStringLiteral("' LOOP='") + fields.loop + QStringLiteral("'>") + fields.text +
           fields.selection + QStringLiteral("</MARQUEE>");
}
