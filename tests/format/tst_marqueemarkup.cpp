#include "format/marqueemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(MarqueeBehavior)
Q_DECLARE_METATYPE(MarqueeDirection)

class tst_marqueemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marquee_data();
    void marquee();
    void html5_data();
    void html5();
};

void tst_marqueemarkup::marquee_data()
{
    QTest::addColumn<MarqueeBehavior>("behavior");
    QTest::addColumn<MarqueeDirection>("direction");
    QTest::addColumn<QString>("loop");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults around abc")
        << MarqueeBehavior::Scroll << MarqueeDirection::Right << "999"
        << ""
        << "abc"
        << "<MARQUEE BEHAVIOR='SCROLL' DIRECTION='RIGHT' LOOP='999'>abc</MARQUEE>";
    QTest::newRow("slide left, text only")
        << MarqueeBehavior::Slide << MarqueeDirection::Left << "3"
        << "Hello"
        << ""
        << "<MARQUEE BEHAVIOR='SLIDE' DIRECTION='LEFT' LOOP='3'>Hello</MARQUEE>";
    QTest::newRow("text before selection")
        << MarqueeBehavior::Alternate << MarqueeDirection::Right << "1"
        << "Hi "
        << "there"
        << "<MARQUEE BEHAVIOR='ALTERNATE' DIRECTION='RIGHT' LOOP='1'>Hi there</MARQUEE>";
    QTest::newRow("empty loop written")
        << MarqueeBehavior::Scroll << MarqueeDirection::Right << ""
        << ""
        << ""
        << "<MARQUEE BEHAVIOR='SCROLL' DIRECTION='RIGHT' LOOP=''></MARQUEE>";
}

void tst_marqueemarkup::marquee()
{
    QFETCH(MarqueeBehavior, behavior);
    QFETCH(MarqueeDirection, direction);
    QFETCH(QString, loop);
    QFETCH(QString, text);
    QFETCH(QString, selection);
    QFETCH(QString, expected);
    QCOMPARE(marqueeMarkup({behavior, direction, loop, text, selection}), expected);
}

void tst_marqueemarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    const QString box = "<div style=\"overflow: hidden; white-space: nowrap\">"
                        "<span style=\"display: inline-block; animation: ";
    QTest::newRow("scroll to the right three times")
        << marqueeMarkup({MarqueeBehavior::Scroll, MarqueeDirection::Right, "3", "Hi", "!"}, html5)
        << box + "marquee-scroll 6s linear 3 normal\">Hi!</span></div>";
    QTest::newRow("scroll to the left for ever without a count")
        << marqueeMarkup({MarqueeBehavior::Scroll, MarqueeDirection::Left, "", "Hi", ""}, html5)
        << box + "marquee-scroll 6s linear infinite reverse\">Hi</span></div>";
    QTest::newRow("slide stays where it stops")
        << marqueeMarkup({MarqueeBehavior::Slide, MarqueeDirection::Left, "1", "Hi", ""}, html5)
        << box + "marquee-slide-left 6s linear 1 normal forwards\">Hi</span></div>";
    QTest::newRow("alternate, a negative loop runs for ever")
        << marqueeMarkup({MarqueeBehavior::Alternate, MarqueeDirection::Left, "-1", "", "x"}, html5)
        << box + "marquee-alternate 6s linear infinite alternate-reverse\">x</span></div>";
    QTest::newRow("scroll keyframes, either way")
        << marqueeKeyframes({MarqueeBehavior::Scroll, MarqueeDirection::Left, "", "", ""})
        << "@keyframes marquee-scroll { from { margin-left: 0; transform: translateX(-100%) } "
           "to { margin-left: 100%; transform: translateX(0) } }";
    QTest::newRow("slide right keyframes end at the right edge")
        << marqueeKeyframes({MarqueeBehavior::Slide, MarqueeDirection::Right, "", "", ""})
        << "@keyframes marquee-slide-right { from { margin-left: 0; transform: "
           "translateX(-100%) } to { margin-left: 100%; transform: translateX(-100%) } }";
    QTest::newRow("slide left keyframes end at the left edge")
        << marqueeKeyframes({MarqueeBehavior::Slide, MarqueeDirection::Left, "", "", ""})
        << "@keyframes marquee-slide-left { from { margin-left: 100%; transform: "
           "translateX(0) } to { margin-left: 0; transform: translateX(0) } }";
    QTest::newRow("alternate keyframes between the edges")
        << marqueeKeyframes({MarqueeBehavior::Alternate, MarqueeDirection::Right, "", "", ""})
        << "@keyframes marquee-alternate { from { margin-left: 0; transform: translateX(0) } "
           "to { margin-left: 100%; transform: translateX(-100%) } }";
}

void tst_marqueemarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_marqueemarkup)
#include "tst_marqueemarkup.moc"
