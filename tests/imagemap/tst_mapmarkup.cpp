#include "imagemap/mapmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(AreaKind)

class tst_mapmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markup_data();
    void markup();
};

void tst_mapmarkup::markup_data()
{
    QTest::addColumn<QString>("imageUrl");
    QTest::addColumn<QString>("mapName");
    QTest::addColumn<QString>("linkUrl");
    QTest::addColumn<bool>("areaOnly");
    QTest::addColumn<AreaKind>("kind");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("expected");
    const QList<int> rectangle{10, 20, 110, 80, 22, 32, 12};
    QTest::newRow("whole map for a rectangle")
        << "map.gif"
        << "nav"
        << "a.html" << false << AreaKind::Rectangle << rectangle
        << "<IMG SRC='map.gif' USEMAP='map.gif#nav'>\r\n<MAP NAME='nav'>\r\n"
           "<AREA SHAPE='RECT' COORDS='10,20,110,80' HREF='a.html'>\r\n\r\n</MAP>";
    QTest::newRow("area only for a circle ignores image and map name")
        << "map.gif"
        << "nav"
        << "b.html" << true << AreaKind::Circle << rectangle
        << "<AREA SHAPE='CIRCLE' COORDS='22,32,12' HREF='b.html'>\r\n";
    QTest::newRow("whole map for a circle")
        << "m.jpg"
        << "n"
        << "c.html" << false << AreaKind::Circle << QList<int>{0, 0, 0, 0, 5, 6, 7}
        << "<IMG SRC='m.jpg' USEMAP='m.jpg#n'>\r\n<MAP NAME='n'>\r\n"
           "<AREA SHAPE='CIRCLE' COORDS='5,6,7' HREF='c.html'>\r\n\r\n</MAP>";
    QTest::newRow("rectangle keeps the drag direction")
        << ""
        << ""
        << "x" << true << AreaKind::Rectangle << QList<int>{100, 100, 40, 30, 0, 0, 0}
        << "<AREA SHAPE='RECT' COORDS='100,100,40,30' HREF='x'>\r\n";
    QTest::newRow("negative values with a minus sign")
        << ""
        << ""
        << "x" << true << AreaKind::Rectangle << QList<int>{-5, 0, -32768, 32767, 0, 0, 0}
        << "<AREA SHAPE='RECT' COORDS='-5,0,-32768,32767' HREF='x'>\r\n";
    QTest::newRow("empty fields give empty values")
        << ""
        << ""
        << "" << false << AreaKind::Circle << QList<int>{0, 0, 0, 0, 0, 0, 0}
        << "<IMG SRC='' USEMAP='#'>\r\n<MAP NAME=''>\r\n"
           "<AREA SHAPE='CIRCLE' COORDS='0,0,0' "
           "HREF=''>\r\n\r\n</MAP>";
    QTest::newRow("quotes and blanks go in as typed")
        << " a'b "
        << "n m"
        << "<x>" << false << AreaKind::Rectangle << QList<int>{1, 2, 3, 4, 0, 0, 0}
        << "<IMG SRC=' a'b ' USEMAP=' a'b #n m'>\r\n<MAP NAME='n m'>\r\n"
           "<AREA SHAPE='RECT' COORDS='1,2,3,4' HREF='<x>'>\r\n\r\n</MAP>";
}

void tst_mapmarkup::markup()
{
    QFETCH(QString, imageUrl);
    QFETCH(QString, mapName);
    QFETCH(QString, linkUrl);
    QFETCH(bool, areaOnly);
    QFETCH(AreaKind, kind);
    QFETCH(QList<int>, values);
    QFETCH(QString, expected);
    const AreaValues v{qint16(values[0]), qint16(values[1]), qint16(values[2]), qint16(values[3]),
                       qint16(values[4]), qint16(values[5]), qint16(values[6])};
    QCOMPARE(mapMarkup({imageUrl, mapName, linkUrl, areaOnly}, kind, v), expected);
}

QTEST_APPLESS_MAIN(tst_mapmarkup)
#include "tst_mapmarkup.moc"
