#include "structure/linkmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(LinkScheme)

class tst_linkmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textLink_data();
    void textLink();
    void image_data();
    void image();
};

// The link page: the target comes from its position in the target list.
void tst_linkmarkup::textLink_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<LinkScheme>("scheme");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("new window") << "index.html" << LinkScheme::Plain << 2 << "Home"
                                << "<A HREF='index.html' TARGET='_blank'>Home</A>";
    QTest::newRow("everything empty") << "" << LinkScheme::Plain << 0 << ""
                                      << "<A HREF=''></A>";
    QTest::newRow("mail") << "a@b.jp" << LinkScheme::Mail << 0 << "mail"
                          << "<A HREF='MAILTO:a@b.jp'>mail</A>";
    QTest::newRow("mail keeps its target") << "a@b.jp" << LinkScheme::Mail << 1 << "mail"
                                           << "<A HREF='MAILTO:a@b.jp' TARGET='_top'>mail</A>";
    QTest::newRow("no target") << "x.html" << LinkScheme::Plain << 0 << "x"
                               << "<A HREF='x.html'>x</A>";
    QTest::newRow("quotes and blanks as typed") << " a'b " << LinkScheme::Plain << 0 << "<B>"
                                                << "<A HREF=' a'b '><B></A>";
}

void tst_linkmarkup::textLink()
{
    QFETCH(QString, url);
    QFETCH(LinkScheme, scheme);
    QFETCH(int, target);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(wrapInLink(linkTag({url, scheme, linkTarget(target)}), text), expected);
}

// The image page; an image as link carries the opening anchor fixed earlier.
void tst_linkmarkup::image_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expected");
    QTest::newRow("measured picture")
        << QStringList{"logo.gif", "", "120", "60", "", "TOP"} << ""
        << "<IMG SRC='logo.gif' ALT='' WIDTH='120' HEIGHT='60' BORDER='' ALIGN='TOP'>";
    QTest::newRow("image as link")
        << QStringList{"logo.gif", "", "120", "60", "0", "TOP"} << "<A HREF='index.html'>"
        << "<A HREF='index.html'><IMG SRC='logo.gif' ALT='' WIDTH='120' HEIGHT='60' "
           "BORDER='0' ALIGN='TOP'></A>";
    QTest::newRow("everything empty")
        << QStringList{"", "", "", "", "", ""} << ""
        << "<IMG SRC='' ALT='' WIDTH='' HEIGHT='' BORDER='' ALIGN=''>";
    QTest::newRow("typed alignment")
        << QStringList{"a.jpg", "絵", "1x", "", "", "ABSMIDDLE"} << ""
        << "<IMG SRC='a.jpg' ALT='絵' WIDTH='1x' HEIGHT='' BORDER='' ALIGN='ABSMIDDLE'>";
}

void tst_linkmarkup::image()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, link);
    QFETCH(QString, expected);
    const QString tag =
        imageTag({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    QCOMPARE(link.isEmpty() ? tag : wrapInLink(link, tag), expected);
}

QTEST_APPLESS_MAIN(tst_linkmarkup)
#include "tst_linkmarkup.moc"
