#include "pagecheck/pagechecker.h"

#include <QTest>

namespace {

const QString Html5Head = QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n"
                                         "<meta charset=\"UTF-8\">\r\n<title>t</title>\r\n"
                                         "</head>\r\n<body>\r\n");

// `body` as lines 8 and on of an HTML5 page that is right apart from it.
QString html5Page(const QString &body)
{
    return Html5Head + body + QStringLiteral("\r\n</body>\r\n</html>\r\n");
}

// A page in the old style: no doctype, upper-case markup.
QString olderPage(const QString &body)
{
    return QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>\r\n") + body +
           QStringLiteral("\r\n</BODY>\r\n</HTML>\r\n");
}

QStringList shown(const std::vector<Finding> &findings)
{
    QStringList rows;
    for (const Finding &finding : findings)
        rows << findingText(finding);
    return rows;
}

} // namespace

class tst_pagechecker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findings_data();
    void findings();
    void tooDeepIsRefusedNotCrashed();
    void deepButCheckable();
};

void tst_pagechecker::findings_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("missing end tag")
        << html5Page("<div><b>x</div>")
        << QStringList{"行 8, 桁 6: 警告: </div> の前に </b> がありません"};
    QTest::newRow("unexpected end tag")
        << html5Page("<p>x</i></p>")
        << QStringList{"行 8, 桁 5: 警告: ここにあってはならない </i> があります"};
    QTest::newRow("unknown element")
        << html5Page("<tabel>x")
        << QStringList{"行 8, 桁 1: エラー: <tabel> は HTML にない要素です",
                       "行 8, 桁 1: 警告: ここにあってはならない <tabel> があります"};
    QTest::newRow("unknown attribute")
        << html5Page("<p clas=\"a\">x</p>")
        << QStringList{"行 8, 桁 1: 警告: <p> の属性 \"clas\" は標準の HTML にありません"};
    QTest::newRow("obsolete attribute in HTML5")
        << html5Page("<p align=\"center\">x</p>")
        << QStringList{"行 8, 桁 1: 警告: <p> の属性 \"align\" は HTML5 では使えません"};
    QTest::newRow("obsolete element in HTML5")
        << html5Page("<center>x</center>")
        << QStringList{"行 8, 桁 1: 警告: <center> 要素は HTML5 で廃止されました"};
    QTest::newRow("duplicate id")
        << html5Page("<p id=\"a\">x</p><p id=\"a\">y</p>")
        << QStringList{"行 8, 桁 16: 警告: <p> の名前 \"a\" はこのﾍﾟｰｼﾞですでに使われています"};
    QTest::newRow("nesting") << html5Page("<a href=\"x\">1<a href=\"y\">2</a></a>")
                             << QStringList{
                                    "行 8, 桁 1: 警告: <a> の前に </a> がありません",
                                    "行 8, 桁 31: 警告: ここにあってはならない </a> があります"};
    QTest::newRow("an empty page")
        << QString() << QStringList{"行 1, 桁 1: 警告: title 要素がありません"};
    QTest::newRow("missing doctype and title")
        << "<html><head></head><body><p>x</p></body></html>"
        << QStringList{"行 1, 桁 1: 警告: <!DOCTYPE> 宣言がありません",
                       "行 1, 桁 7: 警告: title 要素がありません"};
    QTest::newRow("an untranslated message in libtidy's words")
        << html5Page("<a href=\"a\\x.html\">y</a>")
        << QStringList{"行 8, 桁 1: 警告: <a> converting backslash in URI to slash"};

    // Where a finding is: the line after any kind of break, full-width characters one
    // column, the last line without a break.
    QTest::newRow("after LF breaks")
        << QString(Html5Head).replace("\r\n", "\n") + "\n<p>x</i></p>\n</body></html>"
        << QStringList{"行 9, 桁 5: 警告: ここにあってはならない </i> があります"};
    QTest::newRow("after lone CR breaks")
        << QString(Html5Head).replace("\r\n", "\r") + "\r<p>x</i></p>\r</body></html>"
        << QStringList{"行 9, 桁 5: 警告: ここにあってはならない </i> があります"};
    QTest::newRow("full-width text before the finding")
        << html5Page("<p>日本語の文</i></p>")
        << QStringList{"行 8, 桁 9: 警告: ここにあってはならない </i> があります"};
    QTest::newRow("a tab is one column")
        << html5Page("\t\t<p>x</i></p>")
        << QStringList{"行 8, 桁 7: 警告: ここにあってはならない </i> があります"};
    QTest::newRow("on the last line, which has no break")
        << Html5Head + "<p>x</i></p>"
        << QStringList{"行 8, 桁 5: 警告: ここにあってはならない </i> があります"};

    // The page's own doctype decides what is obsolete.
    QTest::newRow("an older page is not told its style is obsolete")
        << olderPage("<CENTER><FONT SIZE='5' COLOR='#FF0000'>x</FONT></CENTER>\r\n"
                     "<NOBR>y</NOBR><MARQUEE LOOP='3'>z</MARQUEE>\r\n"
                     "<TABLE BORDER='1' BGCOLOR='#FFFFEE' BORDERCOLOR='#999999'><TR>"
                     "<TD>c</TD></TR></TABLE>\r\n<HR SIZE='2' NOSHADE>")
        << QStringList{"行 1, 桁 1: 警告: <!DOCTYPE> 宣言がありません"};
    QTest::newRow("an HTML 4 page is not either")
        << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n" +
               olderPage("<CENTER>x</CENTER><NOBR>y</NOBR><TABLE><TR><TD>c</TD></TR></TABLE>")
        << QStringList{};
    QTest::newRow("an older page still hears of its mistakes")
        << olderPage("<IMG SRC='a.gif'><B>x")
        << QStringList{"行 1, 桁 1: 警告: <!DOCTYPE> 宣言がありません",
                       "行 6, 桁 18: 警告: </body> の前に </b> がありません",
                       "行 6, 桁 1: 警告: <img> に \"alt\" 属性がありません"};
}

void tst_pagechecker::findings()
{
    QFETCH(QString, page);
    QFETCH(QStringList, expected);
    QCOMPARE(shown(checkPage(page)), expected);
}

void tst_pagechecker::tooDeepIsRefusedNotCrashed()
{
    const QString page = html5Page(QString("<div>").repeated(300000));
    QCOMPARE(
        shown(checkPage(page)),
        QStringList{"行 1, 桁 1: エラー: 要素の入れ子が 20000 段より深いため、検査できません"});
}

// Nesting up to the limit is checked; end tags left out where HTML allows them to be do not
// count as nesting.
void tst_pagechecker::deepButCheckable()
{
    const QString nested =
        QString("<span>").repeated(15000) + "x" + QString("</span>").repeated(15000);
    QCOMPARE(shown(checkPage(html5Page(nested))), QStringList());
    const QString list = "<ul>" + QString("<li>x").repeated(30000) + "</ul>";
    QCOMPARE(shown(checkPage(html5Page(list))), QStringList());
}

QTEST_GUILESS_MAIN(tst_pagechecker)
#include "tst_pagechecker.moc"
