#include "imagemap/areaoutlines.h"

#include <QTest>

Q_DECLARE_METATYPE(AreaKind)

namespace {

// The values in their declared order, so that a mismatch shows which one differs.
QList<int> listed(const AreaValues &v)
{
    return {v.StartX, v.StartY, v.EndX, v.EndY, v.CenterX, v.CenterY, v.Radius};
}

// Left from an earlier circle, so that a rectangle row shows that they are kept.
const AreaValues earlier{1, 2, 3, 4, 5, 6, 7};

} // namespace

class tst_areaoutlines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drag_data();
    void drag();
    void moveWithoutPress();
    void pressKeepsTheOtherShape();
    void hideBoth();
    void toAreaValue_data();
    void toAreaValue();
    void caption_data();
    void caption();
};

void tst_areaoutlines::drag_data()
{
    QTest::addColumn<AreaKind>("kind");
    QTest::addColumn<QPointF>("pressAt");
    QTest::addColumn<QPointF>("releaseAt");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QList<int>>("values");
    const auto circle = AreaKind::Circle;
    const auto rectangle = AreaKind::Rectangle;
    QTest::newRow("circle 25 wide rounds the radius down to even")
        << circle << QPointF(10, 20) << QPointF(35, 60) << QRectF(10, 20, 25, 25)
        << QList<int>{10, 20, 35, 60, 22, 32, 12};
    QTest::newRow("circle 27 wide rounds the radius up to even")
        << circle << QPointF(10, 20) << QPointF(37, 20) << QRectF(10, 20, 27, 27)
        << QList<int>{10, 20, 37, 20, 24, 34, 14};
    QTest::newRow("circle click: radius 0 at the press point")
        << circle << QPointF(10, 20) << QPointF(10, 20) << QRectF(10, 20, 0, 0)
        << QList<int>{10, 20, 10, 20, 10, 20, 0};
    QTest::newRow("circle left of the start stays 1")
        << circle << QPointF(10, 20) << QPointF(4, 80) << QRectF(10, 20, 1, 1)
        << QList<int>{10, 20, 4, 80, 10, 20, 0};
    QTest::newRow("circle size ignores vertical movement")
        << circle << QPointF(10, 20) << QPointF(30, 200) << QRectF(10, 20, 20, 20)
        << QList<int>{10, 20, 30, 200, 20, 30, 10};
    QTest::newRow("rectangle up and left stays 1x1, release kept")
        << rectangle << QPointF(100, 100) << QPointF(40, 30) << QRectF(100, 100, 1, 1)
        << QList<int>{100, 100, 40, 30, 5, 6, 7};
    QTest::newRow("rectangle right and down")
        << rectangle << QPointF(10, 20) << QPointF(110, 80) << QRectF(10, 20, 100, 60)
        << QList<int>{10, 20, 110, 80, 5, 6, 7};
    QTest::newRow("rectangle on the start column is 0 wide")
        << rectangle << QPointF(10, 20) << QPointF(10, 50) << QRectF(10, 20, 0, 30)
        << QList<int>{10, 20, 10, 50, 5, 6, 7};
    QTest::newRow("fractional press rounds half to even")
        << rectangle << QPointF(12.5, 13.5) << QPointF(0.5, 1.5) << QRectF(12.5, 13.5, 1, 1)
        << QList<int>{12, 14, 0, 2, 5, 6, 7};
}

void tst_areaoutlines::drag()
{
    QFETCH(AreaKind, kind);
    QFETCH(QPointF, pressAt);
    QFETCH(QPointF, releaseAt);
    QFETCH(QRectF, bounds);
    QFETCH(QList<int>, values);
    AreaValues written = earlier;
    AreaOutlines outlines(written);
    outlines.press(kind, pressAt);
    QVERIFY(outlines.drawing());
    outlines.move(kind, (pressAt + releaseAt) / 2);
    outlines.move(kind, releaseAt);
    outlines.release(kind, releaseAt);
    QVERIFY(!outlines.drawing());
    QCOMPARE(outlines.outline(kind).bounds, bounds);
    QVERIFY(outlines.outline(kind).visible);
    QCOMPARE(listed(written), values);
}

void tst_areaoutlines::moveWithoutPress()
{
    AreaValues written = earlier;
    AreaOutlines outlines(written);
    outlines.press(AreaKind::Rectangle, {10, 20});
    outlines.release(AreaKind::Rectangle, {10, 20});
    outlines.move(AreaKind::Rectangle, {50, 60});
    QCOMPARE(outlines.outline(AreaKind::Rectangle).bounds, QRectF(10, 20, 1, 1));
    QCOMPARE(listed(written), (QList<int>{10, 20, 10, 20, 5, 6, 7}));
}

void tst_areaoutlines::pressKeepsTheOtherShape()
{
    AreaValues written;
    AreaOutlines outlines(written);
    outlines.press(AreaKind::Rectangle, {10, 20});
    outlines.move(AreaKind::Rectangle, {30, 40});
    outlines.release(AreaKind::Rectangle, {30, 40});
    outlines.press(AreaKind::Circle, {50, 60});
    QCOMPARE(outlines.outline(AreaKind::Rectangle).bounds, QRectF(10, 20, 20, 20));
    QVERIFY(outlines.outline(AreaKind::Rectangle).visible);
    QCOMPARE(outlines.outline(AreaKind::Circle).bounds, QRectF(50, 60, 1, 1));
    QVERIFY(outlines.outline(AreaKind::Circle).visible);
}

void tst_areaoutlines::hideBoth()
{
    AreaValues written;
    AreaOutlines outlines(written);
    outlines.press(AreaKind::Rectangle, {10, 20});
    outlines.press(AreaKind::Circle, {10, 20});
    outlines.hideBoth();
    QVERIFY(!outlines.outline(AreaKind::Rectangle).visible);
    QVERIFY(!outlines.outline(AreaKind::Circle).visible);
}

void tst_areaoutlines::toAreaValue_data()
{
    QTest::addColumn<qreal>("measured");
    QTest::addColumn<int>("value");
    QTest::newRow("12.5 to even 12") << 12.5 << 12;
    QTest::newRow("13.5 to even 14") << 13.5 << 14;
    QTest::newRow("0.5 to even 0") << 0.5 << 0;
    QTest::newRow("-1.5 to even -2") << -1.5 << -2;
    QTest::newRow("12.6 to nearest 13") << 12.6 << 13;
    QTest::newRow("beyond 16 bits held at the top") << 40000.0 << 32767;
    QTest::newRow("beyond 16 bits held at the bottom") << -40000.0 << -32768;
}

void tst_areaoutlines::toAreaValue()
{
    QFETCH(qreal, measured);
    QFETCH(int, value);
    QCOMPARE(int(::toAreaValue(measured)), value);
}

void tst_areaoutlines::caption_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("caption");
    QTest::newRow("whole pixels without decimals") << QPointF(120, 45) << u"ﾏｯﾌﾟ [X=120,Y=45]"_qs;
    QTest::newRow("fractions in shortest form")
        << QPointF(12.5, 0.25) << u"ﾏｯﾌﾟ [X=12.5,Y=0.25]"_qs;
    QTest::newRow("negative outside the surface") << QPointF(-3, -0.0) << u"ﾏｯﾌﾟ [X=-3,Y=0]"_qs;
    QTest::newRow("large without exponent") << QPointF(100000, 0) << u"ﾏｯﾌﾟ [X=100000,Y=0]"_qs;
}

void tst_areaoutlines::caption()
{
    QFETCH(QPointF, at);
    QFETCH(QString, caption);
    QCOMPARE(pointerCaption(at), caption);
}

QTEST_APPLESS_MAIN(tst_areaoutlines)
#include "tst_areaoutlines.moc"
