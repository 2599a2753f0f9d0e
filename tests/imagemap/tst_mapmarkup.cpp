#include "imagemap/mapmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(AreaKind)

class tst_mapmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markup_data();
    void markup();
    void html5_data();
    void html5();
};

void tst_mapmarkup::markup_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("areaOnly");
    QTest::addColumn<AreaKind>("kind");
    QTest::addColumn<QString>("expected");
    const QStringList example{"map.gif", "nav", "a.html"};
    QTest::newRow("whole map, rectangle") << example << false << AreaKind::Rectangle
                                          << "<IMG SRC='map.gif' USEMAP='map.gif#nav'>\r\n"
                                             "<MAP NAME='nav'>\r\n"
                                             "<AREA SHAPE='RECT' COORDS='10,20,110,80' "
                                             "HREF='a.html'>\r\n\r\n</MAP>";
    QTest::newRow("area only, circle, image and map name unused")
        << QStringList{"map.gif", "nav", "b.html"} << true << AreaKind::Circle
        << "<AREA SHAPE='CIRCLE' COORDS='22,32,12' HREF='b.html'>\r\n";
    QTest::newRow("empty fields, circle")
        << QStringList{"", "", ""} << false << AreaKind::Circle
        << "<IMG SRC='' USEMAP='#'>\r\n<MAP NAME=''>\r\n"
           "<AREA SHAPE='CIRCLE' COORDS='22,32,12' HREF=''>\r\n\r\n</MAP>";
    QTest::newRow("quotes and blanks as typed")
        << QStringList{" a'b", "n m", "<x>"} << false << AreaKind::Rectangle
        << "<IMG SRC=' a'b' USEMAP=' a'b#n m'>\r\n<MAP NAME='n m'>\r\n"
           "<AREA SHAPE='RECT' COORDS='10,20,110,80' HREF='<x>'>\r\n\r\n</MAP>";
}

void tst_mapmarkup::markup()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, areaOnly);
    QFETCH(AreaKind, kind);
    QFETCH(QString, expected);
    const AreaValues values{10, 20, 110, 80, 22, 32, 12};
    QCOMPARE(mapMarkup({fields[0], fields[1], fields[2], areaOnly}, kind, values), expected);
}

void tst_mapmarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    const AreaValues values{10, 20, 110, 80, 22, 32, 12};
    QTest::newRow("whole map, the map in the same page, alt on the area")
        << mapMarkup({"map.gif", "nav", "a.html?x&y", false, "会社案内"}, AreaKind::Rectangle,
                     values, html5)
        << "<img src=\"map.gif\" usemap=\"#nav\" alt=\"\">\r\n<map name=\"nav\">\r\n"
           "<area shape=\"rect\" coords=\"10,20,110,80\" href=\"a.html?x&amp;y\" "
           "alt=\"会社案内\">\r\n\r\n</map>";
    QTest::newRow("area only, circle")
        << mapMarkup({"map.gif", "nav", "b.html", true, "地図"}, AreaKind::Circle, values, html5)
        << "<area shape=\"circle\" coords=\"22,32,12\" href=\"b.html\" alt=\"地図\">\r\n";
    QTest::newRow("the alt text stays out of the classic style")
        << mapMarkup({"m.gif", "n", "c.html", true, "説明"}, AreaKind::Circle, values,
                     MarkupStyle::Classic)
        << "<AREA SHAPE='CIRCLE' COORDS='22,32,12' HREF='c.html'>\r\n";
}

void tst_mapmarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_mapmarkup)
#include "tst_mapmarkup.moc"
