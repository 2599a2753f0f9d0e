#include "markup/endtagcloser.h"
#include "textview/htmlnames.h"

#include <QTest>

class TstTagNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closesTheInnermostOpenElement_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("closes");
        QTest::newRow("cell") << "<td>abc</"
                              << "td";
        QTest::newRow("its start tag's case") << "<TABLE><TR><TD>x</TD></"
                                              << "TR";
        QTest::newRow("end tag of another case") << "<ul><LI>a</li></"
                                                 << "ul";
        QTest::newRow("attributes and a > in a value") << "<a title='x>y' href=b>t</"
                                                       << "a";
        QTest::newRow("void elements are never open") << "<p>a<br><img src=x>b<hr/></"
                                                      << "p";
        QTest::newRow("self-closed element") << "<div><span/></"
                                             << "div";
        QTest::newRow("an end tag closes those left open inside it") << "<body><div><p>x</div></"
                                                                     << "body";
        QTest::newRow("a stray end tag is ignored") << "<b>x</i></"
                                                    << "b";
        QTest::newRow("over lines") << "<ul>\r\n<li>\r\n</"
                                    << "li";
        QTest::newRow("after a comment and a doctype") << "<!DOCTYPE html><em><!-- <b> --></"
                                                       << "em";
        QTest::newRow("after a script") << "<p><script>if (a<b) x='</p>';</script></"
                                        << "p";
        QTest::newRow("all closed") << "<b>x</b></"
                                    << "";
        QTest::newRow("in a comment") << "<p><!-- </"
                                      << "";
        QTest::newRow("in a script") << "<script>a = '</"
                                     << "";
        QTest::newRow("in a style block") << "<style>p { content: '</"
                                          << "";
        QTest::newRow("inside a tag's value") << "<a title='</"
                                              << "";
        QTest::newRow("nothing typed yet") << "<p>"
                                           << "";
    }
    void closesTheInnermostOpenElement()
    {
        QFETCH(QString, typed);
        QFETCH(QString, closes);
        QCOMPARE(elementToClose(typed, typed.size()), closes);
    }

    void namesComplete()
    {
        QCOMPARE(HtmlNames::elementsStartingWith(u"ta"), QStringList({"table"}));
        QCOMPARE(HtmlNames::elementsStartingWith(u"Fr"), QStringList({"frame", "frameset"}));
        QCOMPARE(HtmlNames::attributesStartingWith(u"IMG", u"al"), QStringList({"align", "alt"}));
        // The global attributes come with every element, known or not.
        QCOMPARE(HtmlNames::attributesStartingWith(u"hr", u"s"),
                 QStringList({"size", "spellcheck", "style"}));
        QCOMPARE(HtmlNames::attributesStartingWith(u"custom-tag", u"cl"), QStringList({"class"}));
        QVERIFY(HtmlNames::isVoid(u"BR"));
        QVERIFY(!HtmlNames::isVoid(u"td"));
    }
};

QTEST_APPLESS_MAIN(TstTagNames)
#include "tst_tagnames.moc"
