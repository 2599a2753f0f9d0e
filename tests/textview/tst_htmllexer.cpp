#include "textview/htmllexer.h"

#include <QTest>

namespace {

// A page read line by line, as the text box reads its blocks.
const QString Page = QStringLiteral("<!DOCTYPE HTML>\n"
                                    "<A HREF=\"a.html\" title='x\n"
                                    "y'>&amp; &#12354; & &x</A>\n"
                                    "<!-- one <B>\n"
                                    "two --> <IMG SRC=pic.gif ALT>\n"
                                    "<SCRIPT>if (a<b && c) x='<B>';\n"
                                    "</script><STYLE>p{}</STYLE>a<b c=\n"
                                    "\"d\">");

QString kindAt(qsizetype offset)
{
    HtmlLexer::State state;
    qsizetype lineStart = 0;
    for (const QStringView line : QStringView(Page).split(u'\n')) {
        std::vector<HtmlLexer::Span> spans;
        state = HtmlLexer::lex(line, state, &spans);
        for (const HtmlLexer::Span &span : spans) {
            if (offset >= lineStart + span.start && offset < lineStart + span.start + span.length)
                return QStringList{"tag",     "attribute", "value",
                                   "comment", "reference", "declaration"}[int(span.kind)];
        }
        lineStart += line.size() + 1;
    }
    return QStringLiteral("text");
}

} // namespace

class tst_HtmlLexer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kinds_data();
    void kinds();
    void referencesAreReadOutsideScriptsStylesAndComments_data();
    void referencesAreReadOutsideScriptsStylesAndComments();
};

void tst_HtmlLexer::kinds_data()
{
    // Each row checks the first character of a piece of the page found only once in it.
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("kind");
    QTest::newRow("DOCTYPE start") << QStringLiteral("<!DOC") << "declaration";
    QTest::newRow("DOCTYPE end") << QStringLiteral(">\n<A") << "declaration";
    QTest::newRow("tag open") << QStringLiteral("<A H") << "tag";
    QTest::newRow("tag name") << QStringLiteral("A H") << "tag";
    QTest::newRow("blank in tag") << QStringLiteral(" HREF") << "text";
    QTest::newRow("attribute name") << QStringLiteral("HREF") << "attribute";
    QTest::newRow("equals sign") << QStringLiteral("=\"a") << "text";
    QTest::newRow("double quoted value") << QStringLiteral("html\"") << "value";
    QTest::newRow("lower-case attribute name") << QStringLiteral("title") << "attribute";
    QTest::newRow("quoted value to the line end") << QStringLiteral("x\ny'") << "value";
    QTest::newRow("quoted value on the next line") << QStringLiteral("y'>") << "value";
    QTest::newRow("its closing quote") << QStringLiteral("'>&") << "value";
    QTest::newRow("closing bracket") << QStringLiteral(">&amp") << "tag";
    QTest::newRow("named reference") << QStringLiteral("&amp") << "reference";
    QTest::newRow("named reference semicolon") << QStringLiteral("; &#") << "reference";
    QTest::newRow("numeric reference") << QStringLiteral("&#1") << "reference";
    QTest::newRow("numeric reference end") << QStringLiteral("; & ") << "reference";
    QTest::newRow("lone ampersand") << QStringLiteral("& &x") << "text";
    QTest::newRow("reference without semicolon") << QStringLiteral("&x<") << "reference";
    QTest::newRow("end tag") << QStringLiteral("</A>") << "tag";
    QTest::newRow("comment start") << QStringLiteral("<!--") << "comment";
    QTest::newRow("tag inside a comment") << QStringLiteral("<B>\ntwo") << "comment";
    QTest::newRow("comment on the next line") << QStringLiteral("two") << "comment";
    QTest::newRow("comment end") << QStringLiteral("> <IMG") << "comment";
    QTest::newRow("text after comment") << QStringLiteral(" <IMG") << "text";
    QTest::newRow("unquoted value") << QStringLiteral("pic.gif") << "value";
    QTest::newRow("attribute without value") << QStringLiteral("ALT>") << "attribute";
    QTest::newRow("SCRIPT start tag") << QStringLiteral("<SCRIPT") << "tag";
    QTest::newRow("script content") << QStringLiteral("if (") << "text";
    QTest::newRow("less-than in script") << QStringLiteral("<b &&") << "text";
    QTest::newRow("ampersand in script") << QStringLiteral("&& c") << "text";
    QTest::newRow("tag in a script string") << QStringLiteral("<B>';") << "text";
    QTest::newRow("script end tag in lower case") << QStringLiteral("</script") << "tag";
    QTest::newRow("style content") << QStringLiteral("p{}") << "text";
    QTest::newRow("text after style") << QStringLiteral("a<b c") << "text";
    QTest::newRow("less-than before a letter opens a tag") << QStringLiteral("<b c") << "tag";
    QTest::newRow("value after equals sign on the next line") << QStringLiteral("\"d\"") << "value";
}

void tst_HtmlLexer::kinds()
{
    QFETCH(QString, at);
    QFETCH(QString, kind);
    QCOMPARE(kindAt(Page.indexOf(at)), kind);
}

void tst_HtmlLexer::referencesAreReadOutsideScriptsStylesAndComments_data()
{
    // Each row puts a reference before the pieces of the page named, found only once in it.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("notRead");
    QTest::newRow("text") << QStringList{" <IMG"} << false;
    QTest::newRow("a quoted value over two lines") << QStringList{"y'>"} << false;
    QTest::newRow("a comment") << QStringList{"one <B>"} << true;
    QTest::newRow("a comment's second line") << QStringList{"two"} << true;
    QTest::newRow("a script") << QStringList{"if (a"} << true;
    QTest::newRow("a style sheet") << QStringList{"p{}"} << true;
    QTest::newRow("the script's end tag") << QStringList{"</script"} << true;
    QTest::newRow("after the script's end tag") << QStringList{"<STYLE>"} << false;
    QTest::newRow("text, then a script") << QStringList{"&amp", "&& c"} << true;
    QTest::newRow("a start tag, then text after the style")
        << QStringList{"<A H", "a<b c"} << false;
}

void tst_HtmlLexer::referencesAreReadOutsideScriptsStylesAndComments()
{
    QFETCH(QStringList, before);
    QFETCH(bool, notRead);
    std::vector<qsizetype> offsets;
    for (const QString &piece : before)
        offsets.push_back(Page.indexOf(piece));
    QCOMPARE(HtmlLexer::anyWhereReferencesAreNotRead(Page, offsets), notRead);
}

QTEST_APPLESS_MAIN(tst_HtmlLexer)
#include "tst_htmllexer.moc"
