#include "format/colorchooser.h"
#include "format/module2.h"
#include "support/scriptedplatform.h"

#include <QTest>
#include <QWidget>

using ColorAnswers = QList<std::optional<QColor>>;
Q_DECLARE_METATYPE(ColorAnswers)

class tst_module2 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitColor_data();
    void splitColor();
    void splitColorIgnoresHighestByte();
    void resetColors();
    void colorIntegerRoundTrip();
    void chooserStartsBlackAndRemembers();
    void cancelEndsHandler();
    void cancelGoesOnWithCurrent_data();
    void cancelGoesOnWithCurrent();
    void invalidColorEndsHandler();
};

void tst_module2::splitColor_data()
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
}

void tst_module2::splitColor()
{
    QFETCH(qint32, color);
    QFETCH(QString, value);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    Module2::SplitColor(color);
    QCOMPARE(Module2::ColorValue(), value);
    QCOMPARE(Module2::HexR + Module2::HexG + Module2::HexB, value.mid(1));
    QCOMPARE(int(Module2::ColorR), red);
    QCOMPARE(int(Module2::ColorG), green);
    QCOMPARE(int(Module2::ColorB), blue);
}

void tst_module2::splitColorIgnoresHighestByte()
{
    Module2::SplitColor(qint32(0x7F123456));
    QCOMPARE(Module2::ColorValue(), QStringLiteral("#563412"));
}

void tst_module2::resetColors()
{
    Module2::SplitColor(0xFFFFFF);
    Module2::ResetColors();
    QCOMPARE(int(Module2::ColorR), 0);
    QCOMPARE(int(Module2::ColorG), 0);
    QCOMPARE(int(Module2::ColorB), 0);
    QCOMPARE(Module2::ColorValue(), QStringLiteral("#"));
}

void tst_module2::colorIntegerRoundTrip()
{
    QCOMPARE(Module2::colorInteger(QColor(1, 10, 15)), 1 | 10 << 8 | 15 << 16);
    QCOMPARE(Module2::colorFromInteger(1193046), QColor(86, 52, 18));
}

void tst_module2::chooserStartsBlackAndRemembers()
{
    ScriptedPlatform platform;
    QWidget owner;
    ColorChooser chooser(owner, ChooserCancel::EndsHandler);
    platform.colors << QColor(255, 0, 0) << QColor(0, 0, 255);
    QCOMPARE(chooser.chooseColorValue(), std::optional<QString>(QStringLiteral("#FF0000")));
    QCOMPARE(chooser.chooseColorValue(), std::optional<QString>(QStringLiteral("#0000FF")));
    QCOMPARE(platform.colorStarts, QList<QColor>({QColor(0, 0, 0), QColor(255, 0, 0)}));
    QCOMPARE(chooser.Color(), 16711680);
}

void tst_module2::cancelEndsHandler()
{
    ScriptedPlatform platform;
    QWidget owner;
    ColorChooser chooser(owner, ChooserCancel::EndsHandler);
    platform.colors << QColor(0, 255, 0) << std::nullopt;
    chooser.chooseColorValue();
    Module2::SplitColor(0xFFFFFF);
    QCOMPARE(chooser.chooseColorValue(), std::nullopt);
    QCOMPARE(Module2::ColorValue(), QStringLiteral("#FFFFFF"));
    QCOMPARE(chooser.Color(), 0x00FF00);
}

void tst_module2::cancelGoesOnWithCurrent_data()
{
    QTest::addColumn<ColorAnswers>("answers");
    QTest::addColumn<QString>("value");
    QTest::newRow("black before any choice") << ColorAnswers{std::nullopt} << "#000000";
    QTest::newRow("the colour last chosen")
        << ColorAnswers{QColor(1, 10, 15), std::nullopt} << "#010A0F";
}

void tst_module2::cancelGoesOnWithCurrent()
{
    QFETCH(ColorAnswers, answers);
    QFETCH(QString, value);
    ScriptedPlatform platform;
    QWidget owner;
    ColorChooser chooser(owner, ChooserCancel::GoesOnWithCurrent);
    std::optional<QString> last;
    for (const std::optional<QColor> &answer : answers) {
        platform.colors << answer;
        last = chooser.chooseColorValue();
    }
    QCOMPARE(last, std::optional<QString>(value));
    QCOMPARE(Module2::ColorValue(), value);
}

void tst_module2::invalidColorEndsHandler()
{
    ScriptedPlatform platform;
    QWidget owner;
    ColorChooser chooser(owner, ChooserCancel::GoesOnWithCurrent);
    platform.colors << QColor();
    QCOMPARE(chooser.chooseColorValue(), std::nullopt);
}

QTEST_MAIN(tst_module2)
#include "tst_module2.moc"
