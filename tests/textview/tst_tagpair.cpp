#include "textview/tagpair.h"

#include <QTest>

namespace {

// The partner as a failure shows it: its text and where it starts.
QString shown(const QString &text, std::optional<TagPair::Range> partner)
{
    if (!partner)
        return QStringLiteral("none");
    return text.mid(partner->start, partner->length) + u'@' + QString::number(partner->start);
}

} // namespace

class tst_TagPair : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void partner_data();
    void partner();
};

void tst_TagPair::partner_data()
{
    // `|` is the caret; the partner found stands in brackets, none where there are none.
    QTest::addColumn<QString>("marked");
    // The state the stretch's reading starts in: in a comment, a script or a tag, say.
    QTest::addColumn<int>("entry");
    const auto row = [](const char *name, const QString &marked,
                        int entry = HtmlLexer::State::Text) {
        QTest::newRow(name) << marked << entry;
    };
    row("start tag to its end tag", "<p|>x[</p>]");
    row("end tag to its start tag", "[<p>]x</p|>");
    row("caret right after the >", "<b>|x[</b>]");
    row("caret before the < is outside", "|<b>x</b>");
    row("caret in the text between", "<b>x|</b>");
    row("outer start tag of the same name", "<div|><div></div>[</div>]");
    row("inner start tag of the same name", "<div><div|>[</div>]</div>");
    row("outer end tag of the same name", "[<div>]<div></div></div|>");
    row("other elements between", "<ul|><li>a<li>b</li>[</ul>]");
    row("names in any case", "<TABLE|><tr></tr>[</table>]");
    row("a > in a quoted value", "<a title='x>y' hr|ef=b>t[</a>]");
    row("a tag over lines", "<ul\nclass=x|>\n<li>a\n[</ul\n>]");
    row("end tag in a comment", "<div|><!-- </div> -->[</div>]");
    row("caret in a comment", "<div><!-- <div|> --></div>");
    row("end tag in a script", "<div|><script>s = '</div>';</script>[</div>]");
    row("script to its end", "<script|>if (a<b) x = '<b>';[</SCRIPT>]");
    row("style to its end", "<style|>p > b {}[</style>]");
    row("void element in any case", "<BR|></br>");
    row("self-closed tag", "<div|/></div>");
    row("self-closed tag inside", "<div|><div/>[</div>]");
    row("no end tag", "<p|>text");
    row("tag not closed", "<p class='x|></p>");
    row("stretch starting in a comment", "<p> --><p|>[</p>]", HtmlLexer::State::InComment);
    row("stretch starting in a script", "'<p>';</script>[<p>]x</p|>", HtmlLexer::State::InScript);
    row("stretch starting in a tag", " href=a>x</a|>", HtmlLexer::State::InTag);
    // A page is read a few thousand characters at a time, each piece ending at a line break.
    const QString line(5000, u'x');
    row("inner tag over a piece's end", "<div|>" + line + "<div\nid=a></div>[</div>]");
    row("comment over a piece's end", "<div|>" + line + "<!--\n</div> -->[</div>]");
    row("caret in a tag over a piece's end", "<p title='" + line + "\n' |>x[</p>]");
    row("start tag pieces before", "[<p>]" + (line + u'\n').repeated(4) + "</p|>");
    row("no partner in any piece", "<p|>" + (line + u'\n').repeated(4));
}

void tst_TagPair::partner()
{
    QFETCH(QString, marked);
    QFETCH(int, entry);
    QString text = marked;
    const qsizetype open = text.indexOf(u'[');
    if (open >= 0)
        text.remove(open, 1);
    const qsizetype close = text.indexOf(u']');
    if (close >= 0)
        text.remove(close, 1);
    const qsizetype caret = text.indexOf(u'|');
    text.remove(caret, 1);
    // The brackets stand in the text given; the caret's mark, which may precede them, does not.
    const qsizetype shift = open > caret ? 1 : 0;
    const std::optional<TagPair::Range> found =
        TagPair::partnerOf(text, {HtmlLexer::State::Mode(entry)}, caret);
    QCOMPARE(shown(text, found), open < 0
                                     ? QStringLiteral("none")
                                     : shown(text, TagPair::Range{open - shift, close - open}));
}

QTEST_APPLESS_MAIN(tst_TagPair)
#include "tst_tagpair.moc"
