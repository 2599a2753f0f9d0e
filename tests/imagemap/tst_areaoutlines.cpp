#include "imagemap/areaoutlines.h"

#include <QTest>

Q_DECLARE_METATYPE(AreaKind)

class tst_areaoutlines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drag_data();
    void drag();
    void caption_data();
    void caption();
};

void tst_areaoutlines::drag_data()
{
    QTest::addColumn<AreaKind>("kind");
    QTest::addColumn<QPointF>("pressAt");
    QTest::addColumn<QPointF>("releaseAt");
    QTest::addColumn<QRectF>("bounds");
    // StartX, StartY, EndX, EndY, CenterX, CenterY, Radius; a rectangle keeps 5, 6, 7.
    QTest::addColumn<QList<int>>("values");
    const auto circle = AreaKind::Circle;
    const auto rect = AreaKind::Rectangle;
    QTest::newRow("circle 25 wide: radius 12.5 to even 12")
        << circle << QPointF(10, 20) << QPointF(35, 60) << QRectF(10, 20, 25, 25)
        << QList<int>{10, 20, 35, 60, 22, 32, 12};
    QTest::newRow("circle 27 wide: radius 13.5 to even 14")
        << circle << QPointF(10, 20) << QPointF(37, 20) << QRectF(10, 20, 27, 27)
        << QList<int>{10, 20, 37, 20, 24, 34, 14};
    QTest::newRow("circle click: radius 0 at the press point")
        << circle << QPointF(10, 20) << QPointF(10, 20) << QRectF(10, 20, 0, 0)
        << QList<int>{10, 20, 10, 20, 10, 20, 0};
    QTest::newRow("circle left of the start stays 1")
        << circle << QPointF(10, 20) << QPointF(4, 80) << QRectF(10, 20, 1, 1)
        << QList<int>{10, 20, 4, 80, 10, 20, 0};
    QTest::newRow("rectangle up and left stays 1x1, release kept")
        << rect << QPointF(100, 100) << QPointF(40, 30) << QRectF(100, 100, 1, 1)
        << QList<int>{100, 100, 40, 30, 5, 6, 7};
    QTest::newRow("rectangle on the start column is 0 wide")
        << rect << QPointF(10, 20) << QPointF(10, 50) << QRectF(10, 20, 0, 30)
        << QList<int>{10, 20, 10, 50, 5, 6, 7};
    QTest::newRow("press point rounds half to even")
        << rect << QPointF(12.5, 13.5) << QPointF(0.5, 1.5) << QRectF(12.5, 13.5, 1, 1)
        << QList<int>{12, 14, 0, 2, 5, 6, 7};
    QTest::newRow("beyond 16 bits held at the limits")
        << rect << QPointF(-40000, -40000) << QPointF(40000, 40000)
        << QRectF(-40000, -40000, 72768, 72768)
        << QList<int>{-32768, -32768, 32767, 32767, 5, 6, 7};
}

void tst_areaoutlines::drag()
{
    QFETCH(AreaKind, kind);
    QFETCH(QPointF, pressAt);
    QFETCH(QPointF, releaseAt);
    QFETCH(QRectF, bounds);
    QFETCH(QList<int>, values);
    AreaValues v{1, 2, 3, 4, 5, 6, 7};
    AreaOutlines outlines(v);
    outlines.press(kind, pressAt);
    outlines.move(kind, (pressAt + releaseAt) / 2);
    outlines.move(kind, releaseAt);
    QVERIFY(outlines.drawing());
    outlines.release(kind, releaseAt);
    // Moving after the release changes nothing.
    outlines.move(kind, releaseAt + QPointF(50, 50));
    QVERIFY(!outlines.drawing());
    QCOMPARE(outlines.outline(kind).bounds, bounds);
    QVERIFY(outlines.outline(kind).visible);
    QCOMPARE((QList<int>{v.StartX, v.StartY, v.EndX, v.EndY, v.CenterX, v.CenterY, v.Radius}),
             values);
}

void tst_areaoutlines::caption_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("caption");
    QTest::newRow("whole pixels") << QPointF(120, 45) << u"ﾏｯﾌﾟ [X=120,Y=45]"_qs;
    QTest::newRow("fraction, negative, no exponent")
        << QPointF(-0.25, 100000) << u"ﾏｯﾌﾟ [X=-0.25,Y=100000]"_qs;
}

void tst_areaoutlines::caption()
{
    QFETCH(QPointF, at);
    QFETCH(QString, caption);
    QCOMPARE(pointerCaption(at), caption);
}

QTEST_APPLESS_MAIN(tst_areaoutlines)
#include "tst_areaoutlines.moc"
