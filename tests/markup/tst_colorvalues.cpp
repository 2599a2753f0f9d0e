#include "markup/colorchooser.h"
#include "markup/colorvalues.h"
#include "support/scriptedplatform.h"

#include <QTest>
#include <QWidget>

class tst_colorvalues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitColor_data();
    void splitColor();
    void invalidColorEndsHandler();
};

void tst_colorvalues::splitColor_data()
{
    QTest::addColumn<qint32>("color");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("red is the lowest byte") << 255 << "#FF0000" << 255 << 0 << 0;
    QTest::newRow("blue is the third byte") << 16711680 << "#0000FF" << 0 << 0 << 255;
    QTest::newRow("bytes reversed into the text") << 1193046 << "#563412" << 86 << 52 << 18;
    QTest::newRow("black") << 0 << "#000000" << 0 << 0 << 0;
    QTest::newRow("white") << 0xFFFFFF << "#FFFFFF" << 255 << 255 << 255;
    QTest::newRow("leading zeros") << (1 | 10 << 8 | 15 << 16) << "#010A0F" << 1 << 10 << 15;
    QTest::newRow("sixteen needs no zero") << (16 | 0xAB << 8) << "#10AB00" << 16 << 171 << 0;
    QTest::newRow("highest byte ignored") << qint32(0x7F123456) << "#563412" << 86 << 52 << 18;
}

void tst_colorvalues::splitColor()
{
    QFETCH(qint32, color);
    QFETCH(QString, value);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    ColorValues::SplitColor(color);
    QCOMPARE(ColorValues::ColorValue(), value);
    QCOMPARE(ColorValues::HexR + ColorValues::HexG + ColorValues::HexB, value.mid(1));
    QCOMPARE(int(ColorValues::ColorR), red);
    QCOMPARE(int(ColorValues::ColorG), green);
    QCOMPARE(int(ColorValues::ColorB), blue);
}

void tst_colorvalues::invalidColorEndsHandler()
{
    ScriptedPlatform platform;
    QWidget owner;
    ColorChooser chooser(owner, ChooserCancel::GoesOnWithCurrent);
    platform.colors << QColor();
    QCOMPARE(chooser.chooseColorValue(), std::nullopt);
}

QTEST_MAIN(tst_colorvalues)
#include "tst_colorvalues.moc"
