#include "format/fontsizemarkup.h"

#include <QTest>

class tst_fontsizemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void heading_data();
    void heading();
    void font_data();
    void font();
    void nothingToWrite();
    void html5_data();
    void html5();
};

void tst_fontsizemarkup::heading_data()
{
    QTest::addColumn<QString>("openingTag");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("expected");
    QTest::newRow("level 1 around selection") << "<H1>" << 1 << "abc"
                                              << "<H1>abc</H1>";
    QTest::newRow("level 3, nothing selected") << "<H3>" << 3 << ""
                                               << "<H3></H3>";
    QTest::newRow("label not refreshed") << "<H1>" << 4 << "x"
                                         << "<H1>x</H4>";
    QTest::newRow("multi-line selection") << "<H6>" << 6 << "a\r\nb"
                                          << "<H6>a\r\nb</H6>";
}

void tst_fontsizemarkup::heading()
{
    QFETCH(QString, openingTag);
    QFETCH(int, level);
    QFETCH(QString, selection);
    QFETCH(QString, expected);
    QCOMPARE(headingMarkup({openingTag, level, selection}), expected);
}

void tst_fontsizemarkup::font_data()
{
    QTest::addColumn<bool>("baseFont");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("expected");
    QTest::newRow("size and colour") << false << "5"
                                     << "#FF0000"
                                     << ""
                                     << "<FONT SIZE='5' COLOR='#FF0000'>abc</FONT>";
    QTest::newRow("face only") << false << ""
                               << ""
                               << "x"
                               << "<FONT FACE='x'>abc</FONT>";
    QTest::newRow("size only, blank trimmed") << false << "5"
                                              << ""
                                              << ""
                                              << "<FONT SIZE='5'>abc</FONT>";
    QTest::newRow("colour only") << false << ""
                                 << "red"
                                 << ""
                                 << "<FONT COLOR='red'>abc</FONT>";
    QTest::newRow("all three") << false << "1"
                               << "#000000"
                               << "ＭＳ 明朝"
                               << "<FONT SIZE='1' COLOR='#000000' FACE='ＭＳ 明朝'>abc</FONT>";
    QTest::newRow("base font closed by FONT") << true << "2"
                                              << ""
                                              << ""
                                              << "<BASEFONT SIZE='2'>abc</FONT>";
    QTest::newRow("blank-only size is written") << false << " "
                                                << ""
                                                << ""
                                                << "<FONT SIZE=' '>abc</FONT>";
    QTest::newRow("blank at end of face kept") << false << ""
                                               << ""
                                               << "x "
                                               << "<FONT FACE='x '>abc</FONT>";
}

void tst_fontsizemarkup::font()
{
    QFETCH(bool, baseFont);
    QFETCH(QString, size);
    QFETCH(QString, color);
    QFETCH(QString, face);
    QFETCH(QString, expected);
    QCOMPARE(fontMarkup({baseFont, size, color, face, QStringLiteral("abc")}),
             std::optional<QString>(expected));
}

void tst_fontsizemarkup::nothingToWrite()
{
    QCOMPARE(fontMarkup({true, QString(), QString(), QString(), QStringLiteral("abc")}),
             std::nullopt);
}

void tst_fontsizemarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    QTest::newRow("heading in lower case")
        << headingMarkup({"<H2>", 2, "abc"}, html5) << "<h2>abc</h2>";
    QTest::newRow("size colour and face in a span")
        << *fontMarkup({false, "5", "#FF0000", "ＭＳ 明朝", "abc"}, html5)
        << "<span style=\"font-size: x-large; color: #FF0000; font-family: ＭＳ 明朝\">abc</span>";
    QTest::newRow("a step up from the usual size")
        << *fontMarkup({false, "+2", "", "", "abc"}, html5)
        << "<span style=\"font-size: x-large\">abc</span>";
    QTest::newRow("steps stop at the smallest size")
        << *fontMarkup({false, "-5", "", "", "abc"}, html5)
        << "<span style=\"font-size: x-small\">abc</span>";
    QTest::newRow("largest size in pixels") << *fontMarkup({false, "7", "", "", "abc"}, html5)
                                            << "<span style=\"font-size: 48px\">abc</span>";
    QTest::newRow("base font as a block") << *fontMarkup({true, "", "blue", "", "abc"}, html5)
                                          << "<div style=\"color: blue\">abc</div>";
}

void tst_fontsizemarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_fontsizemarkup)
#include "tst_fontsizemarkup.moc"
