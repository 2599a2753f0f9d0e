#include "format/pagecolormarkup.h"

#include <QTest>

class tst_pagecolormarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bodyTag_data();
    void bodyTag();
    void html5_data();
    void html5();
};

void tst_pagecolormarkup::bodyTag_data()
{
    QTest::addColumn<QStringList>("colors");
    QTest::addColumn<QString>("backgroundImage");
    QTest::addColumn<QString>("expected");
    const QStringList black(PageColorSlotCount, QStringLiteral("#000000"));
    QTest::newRow("all black, no image")
        << black << ""
        << "<BODY BGCOLOR=#000000 TEXT=#000000 LINK=#000000 VLINK=#000000 ALINK=#000000>";
    QTest::newRow("white background with image")
        << QStringList{"#FFFFFF", "#000000", "#000000", "#000000", "#000000"} << "bg.gif"
        << "<BODY BACKGROUND='bg.gif' BGCOLOR=#FFFFFF TEXT=#000000 LINK=#000000 VLINK=#000000 "
           "ALINK=#000000>";
    QTest::newRow("every slot in its place")
        << QStringList{"#000001", "#000002", "#000003", "#000004", "#000005"} << ""
        << "<BODY BGCOLOR=#000001 TEXT=#000002 LINK=#000003 VLINK=#000004 ALINK=#000005>";
    QTest::newRow("blank image address is written")
        << black << " "
        << "<BODY BACKGROUND=' ' BGCOLOR=#000000 TEXT=#000000 LINK=#000000 VLINK=#000000 "
           "ALINK=#000000>";
}

void tst_pagecolormarkup::bodyTag()
{
    QFETCH(QStringList, colors);
    QFETCH(QString, backgroundImage);
    QFETCH(QString, expected);
    PageColorFields fields;
    std::copy(colors.cbegin(), colors.cend(), fields.colors.begin());
    fields.backgroundImage = backgroundImage;
    QCOMPARE(bodyTagMarkup(fields), expected);
}

void tst_pagecolormarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    const PageColorFields colors{{"#FFFFFF", "#000000", "#0000FF", "#800080", "#FF0000"}, ""};
    QTest::newRow("page colours on the body")
        << bodyTagMarkup(colors, html5)
        << "<body style=\"background-color: #FFFFFF; color: #000000\">";
    QTest::newRow("background picture with an escaped address")
        << bodyTagMarkup({colors.colors, "bg.png?a=1&b=2"}, html5)
        << "<body style=\"background-color: #FFFFFF; color: #000000; "
           "background-image: url('bg.png?a=1&amp;b=2')\">";
    QTest::newRow("link colours for the head")
        << linkColorRule(colors)
        << "a:link { color: #0000FF } a:visited { color: #800080 } a:active { color: #FF0000 }";
}

void tst_pagecolormarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_pagecolormarkup)
#include "tst_pagecolormarkup.moc"
