#include "format/marqueemarkup.h"

#include "markup/markupstyle.h"

#include <QRegularExpression>

QString marqueeKeyword(MarqueeBehavior behavior)
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

QString marqueeKeyword(MarqueeDirection direction)
{
    return direction == MarqueeDirection::Left ? QStringLiteral("LEFT") : QStringLiteral("RIGHT");
}

namespace {

// The moving box is as wide as its text: its left margin, a share of the line, carries it
// across, and a shift by its own width keeps it off the edge it enters by or leaves by.
const QString Offstage = QStringLiteral("transform: translateX(-100%)");
const QString OnStage = QStringLiteral("transform: translateX(0)");

QString keyframes(const QString &name, const QString &from, const QString &to)
{
    return QStringLiteral("@keyframes ") + name + QStringLiteral(" { from { ") + from +
           QStringLiteral(" } to { ") + to + QStringLiteral(" } }");
}

// How far the text goes: the animation's name, its keyframes and the direction it runs.
struct Motion {
    QString name;
    QString frames;
    QString direction;
};

Motion motion(MarqueeBehavior behavior, MarqueeDirection direction)
{
    const bool left = direction == MarqueeDirection::Left;
    switch (behavior) {
    case MarqueeBehavior::Scroll: {
        const QString name = QStringLiteral("marquee-scroll");
        return {name,
                keyframes(name, QStringLiteral("margin-left: 0; ") + Offstage,
                          QStringLiteral("margin-left: 100%; ") + OnStage),
                left ? QStringLiteral("reverse") : QStringLiteral("normal")};
    }
    case MarqueeBehavior::Slide: {
        // It comes in by one edge and stops at the other.
        const QString name =
            left ? QStringLiteral("marquee-slide-left") : QStringLiteral("marquee-slide-right");
        const QString edge = QStringLiteral("margin-left: 0; ") + OnStage;
        const QString farEdge = QStringLiteral("margin-left: 100%; ") + Offstage;
        const QString entry = left ? QStringLiteral("margin-left: 100%; ") + OnStage
                                   : QStringLiteral("margin-left: 0; ") + Offstage;
        return {name, keyframes(name, entry, left ? edge : farEdge), QStringLiteral("normal")};
    }
    case MarqueeBehavior::Alternate: {
        const QString name = QStringLiteral("marquee-alternate");
        return {name,
                keyframes(name, QStringLiteral("margin-left: 0; ") + OnStage,
                          QStringLiteral("margin-left: 100%; ") + Offstage),
                left ? QStringLiteral("alternate-reverse") : QStringLiteral("alternate")};
    }
    }
    return {};
}

// A loop of a whole number from 1 runs that often; anything else, as a marquee has it,
// for ever.
QString iterations(const QString &loop)
{
    static const QRegularExpression count(QStringLiteral("^\\s*0*([1-9]\\d*)\\s*$"));
    const QRegularExpressionMatch match = count.match(loop);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("infinite");
}

QString styledMarquee(const MarqueeFields &fields, const Motion &moving)
{
    const QString fill =
        fields.behavior == MarqueeBehavior::Slide ? QStringLiteral(" forwards") : QString();
    const QString animation = QStringLiteral("animation: ") + moving.name +
                              QStringLiteral(" 6s linear ") + iterations(fields.loop) +
                              QLatin1Char(' ') + moving.direction + fill;
    return QStringLiteral("<div") +
           styleAttribute(
               {QStringLiteral("overflow: hidden"), QStringLiteral("white-space: nowrap")}) +
           QStringLiteral("><span") +
           styleAttribute({QStringLiteral("display: inline-block"), animation}) + QLatin1Char('>') +
           fields.text + fields.selection + QStringLiteral("</span></div>");
}

} // namespace

QString marqueeMarkup(const MarqueeFields &fields, MarkupStyle style)
{
    if (style == MarkupStyle::Html5)
        return styledMarquee(fields, motion(fields.behavior, fields.direction));
    return QStringLiteral("<MARQUEE BEHAVIOR='") + marqueeKeyword(fields.behavior) +
           QStringLiteral("' DIRECTION='") + marqueeKeyword(fields.direction) +
           QStringLiteral("' LOOP='") + fields.loop + QStringLiteral("'>") + fields.text +
           fields.selection + QStringLiteral("</MARQUEE>");
}

QString marqueeKeyframes(const MarqueeFields &fields)
{
    return motion(fields.behavior, fields.direction).frames;
}
