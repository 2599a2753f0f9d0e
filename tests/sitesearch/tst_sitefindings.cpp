#include "sitesearch/sitefindings.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_SiteFindings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void places_data();
    void places();
    void longLineIsCutAroundTheMatch();
    void matchesBetweenCrAndLfArePassedOver();
};

void tst_SiteFindings::places_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("rows");
    // Each row: start line:column-end line:column [marked text] row text.
    QTest::newRow("CR LF lines") << u"<p>\r\nabc ab\r\n"_s << u"ab"_s
                                 << u"2:1-2:3 [ab] abc ab|2:5-2:7 [ab] abc ab"_s;
    QTest::newRow("LF lines") << u"x\ny\nxy"_s << u"y"_s << u"2:1-2:2 [y] y|3:2-3:3 [y] xy"_s;
    QTest::newRow("lone CR lines") << u"a\rb\rab"_s << u"b"_s << u"2:1-2:2 [b] b|3:2-3:3 [b] ab"_s;
    QTest::newRow("mixed breaks") << u"a\r\nb\nc\rd"_s << u"d"_s << u"4:1-4:2 [d] d"_s;
    QTest::newRow("a character outside the BMP is one column")
        << u"𠮷野家の野"_s << u"野"_s << u"1:2-1:3 [野] 𠮷野家の野|1:5-1:6 [野] 𠮷野家の野"_s;
    QTest::newRow("a match over a line break ends on the next line")
        << u"ab\ncd"_s << u"b\nc"_s << u"1:2-2:2 [b] ab"_s;
    QTest::newRow("no match") << u"abc"_s << u"x"_s << QString();
}

void tst_SiteFindings::places()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, rows);
    const Matcher matcher({.pattern = pattern});
    QStringList seen;
    for (const SiteMatch &m : describeMatches(text, selectableMatches(matcher, text)))
        seen << u"%1:%2-%3:%4 [%5] %6"_s.arg(m.start.line)
                    .arg(m.start.column)
                    .arg(m.end.line)
                    .arg(m.end.column)
                    .arg(m.lineText.mid(m.markStart, m.markLength), m.lineText);
    QCOMPARE(seen.join(u'|'), rows);
}

void tst_SiteFindings::longLineIsCutAroundTheMatch()
{
    const QString text = QString(300, u'a') + u"<b>"_s + QString(300, u'z');
    const Matcher matcher({.pattern = u"<b>"_s});
    const std::vector<SiteMatch> found = describeMatches(text, selectableMatches(matcher, text));
    QCOMPARE(found.size(), size_t(1));
    QCOMPARE(found[0].lineText,
             u"…"_s + QString(40, u'a') + u"<b>"_s + QString(157, u'z') + u"…"_s);
    QCOMPARE(found[0].lineText.mid(found[0].markStart, found[0].markLength), u"<b>"_s);
    QCOMPARE(found[0].start, (TextPlace{1, 301}));
    QCOMPARE(rowText(u"a.html"_s, found[0]).left(13), u"a.html : 1 : "_s);
}

// A text box cannot split CR LF to select half of it, so such a match is not listed.
void tst_SiteFindings::matchesBetweenCrAndLfArePassedOver()
{
    const QString text = u"a\r\nb\nc"_s;
    const Matcher matcher({.pattern = u"\n"_s});
    const std::vector<TextMatch> found = selectableMatches(matcher, text);
    QCOMPARE(found.size(), size_t(1));
    QCOMPARE(found[0], (TextMatch{4, 1}));
}

QTEST_APPLESS_MAIN(tst_SiteFindings)
#include "tst_sitefindings.moc"
