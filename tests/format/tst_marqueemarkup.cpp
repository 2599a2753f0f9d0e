#include "format/marqueemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(MarqueeBehavior)
Q_DECLARE_METATYPE(MarqueeDirection)

class tst_marqueemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marquee_data();
    void marquee();
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

QTEST_APPLESS_MAIN(tst_marqueemarkup)
#include "tst_marqueemarkup.moc"
