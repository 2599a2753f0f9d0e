#include "markup/tagreader.h"

#include <QTest>

// Where the caret is written as `|` in a row's text.
struct Caret {
    QString text;
    qsizetype offset;
};

static Caret withCaret(const QString &marked)
{
    const qsizetype at = marked.indexOf(u'|');
    return {QString(marked).remove(at, 1), at};
}

// Attributes as "name=value" joined by "|", a valueless one as its bare name.
static QString listed(const StartTag &tag)
{
    QStringList parts;
    for (const TagAttribute &a : tag.attributes)
        parts << (a.hasValue ? a.name + u'=' + a.value : a.name);
    return tag.name + u':' + parts.join(u'|');
}

class TstTagReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheTagAtTheCaret_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("tagText");
        QTest::newRow("single quotes, upper case") << "x<TABLE BORDER='1' WI|DTH='80%'>y"
                                                   << "TABLE:BORDER=1|WIDTH=80%"
                                                   << "<TABLE BORDER='1' WIDTH='80%'>";
        QTest::newRow("double and no quotes, lower case") << "<a href=\"a.html\" target=_blank|>"
                                                          << "a:href=a.html|target=_blank"
                                                          << "<a href=\"a.html\" target=_blank>";
        QTest::newRow("caret right after the >") << "<HR SIZE='3'>|text"
                                                 << "HR:SIZE=3"
                                                 << "<HR SIZE='3'>";
        QTest::newRow("caret right after the <") << "<|HR>"
                                                 << "HR:"
                                                 << "<HR>";
        QTest::newRow("valueless attribute kept") << "<HR NOSHADE |SIZE=2>"
                                                  << "HR:NOSHADE|SIZE=2"
                                                  << "<HR NOSHADE SIZE=2>";
        QTest::newRow("references decoded")
            << "<A HREF='a.cgi?x=1&amp;y=&#50;&#x33;' TITLE='&quot;q&quot;'|>"
            << "A:HREF=a.cgi?x=1&y=23|TITLE=\"q\""
            << "<A HREF='a.cgi?x=1&amp;y=&#50;&#x33;' TITLE='&quot;q&quot;'>";
        QTest::newRow("a > inside a quoted value") << "<IMG ALT='a>b' SR|C='p.png'>"
                                                   << "IMG:ALT=a>b|SRC=p.png"
                                                   << "<IMG ALT='a>b' SRC='p.png'>";
        QTest::newRow("a < inside a quoted value does not start a tag")
            << "<IMG ALT='a<b>c' |SRC='p.png'>"
            << "IMG:ALT=a<b>c|SRC=p.png"
            << "<IMG ALT='a<b>c' SRC='p.png'>";
        QTest::newRow("over several lines") << "<TABLE\r\n  BORDER='1'\r\n  |WIDTH=50>"
                                            << "TABLE:BORDER=1|WIDTH=50"
                                            << "<TABLE\r\n  BORDER='1'\r\n  WIDTH=50>";
        QTest::newRow("self-closing slash") << "<br clear=\"all\" /|>"
                                            << "br:clear=all"
                                            << "<br clear=\"all\" />";
        QTest::newRow("blanks around =") << "<HR SIZE = '4'|>"
                                         << "HR:SIZE=4"
                                         << "<HR SIZE = '4'>";
    }
    void readsTheTagAtTheCaret()
    {
        QFETCH(QString, marked);
        QFETCH(QString, expected);
        QFETCH(QString, tagText);
        const Caret caret = withCaret(marked);
        const std::optional<StartTag> tag = startTagAt(caret.text, caret.offset);
        QVERIFY(tag);
        QCOMPARE(listed(*tag), expected);
        QCOMPARE(caret.text.mid(tag->start, tag->length), tagText);
    }

    void findsNoTag_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::newRow("in the text") << "<P>te|xt</P>";
        QTest::newRow("before the <") << "ab|<HR>";
        QTest::newRow("in an end tag") << "<B>x</|B>";
        QTest::newRow("in a comment") << "<!-- a| -->";
        QTest::newRow("in a doctype") << "<!DOCTYPE ht|ml>";
        QTest::newRow("not closed") << "<TABLE BORDER='1' |";
        QTest::newRow("quote not closed") << "<TABLE BORDER='1 |>";
        QTest::newRow("after an earlier tag") << "<HR> |";
    }
    void findsNoTag()
    {
        QFETCH(QString, marked);
        const Caret caret = withCaret(marked);
        QVERIFY(!startTagAt(caret.text, caret.offset));
    }

    void looksUpAttributesInAnyCase()
    {
        const std::optional<StartTag> tag = startTagAt(QStringLiteral("<td BgColor=red>"), 3);
        QVERIFY(tag);
        QCOMPARE(tag->attribute(u"bgcolor")->value, QStringLiteral("red"));
        QCOMPARE(tag->attribute(u"width"), nullptr);
        QVERIFY(!tag->isUpperCase());
        QVERIFY(startTagAt(QStringLiteral("<TD>"), 2)->isUpperCase());
    }

    void decodesReferences_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("named") << "&lt;&gt;&amp;&apos;&nbsp;" << QString::fromUtf16(u"<>&'\u00A0");
        QTest::newRow("outside the BMP") << "&#x20BB7;&#128512;" << QString::fromUtf16(u"𠮷😀");
        QTest::newRow("unknown stays") << "&bogus; &amp"
                                       << "&bogus; &amp";
        QTest::newRow("surrogate and zero stay") << "&#xD800;&#0;"
                                                 << "&#xD800;&#0;";
        QTest::newRow("bare ampersand") << "a & b"
                                        << "a & b";
    }
    void decodesReferences()
    {
        QFETCH(QString, value);
        QFETCH(QString, decoded);
        QCOMPARE(decodeCharacterReferences(value), decoded);
    }
};

QTEST_APPLESS_MAIN(TstTagReader)
#include "tst_tagreader.moc"
