#include "search/findreplace.h"

#include "document/textmodel.h"

#include <QPlainTextEdit>
#include <QTest>

// The find and replace steps on a text model, press by press. A press is traced as the
// selection it leaves, "start+length selected", after "end " when it found nothing; replace
// presses trace the whole text first.
class tst_findreplace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { model = std::make_unique<TextModel>(edit); }
    void search_data();
    void search();
    void replace_data();
    void replace();
    void replaceAll_data();
    void replaceAll();
    void replaceAllInALongLine();

private:
    struct Row {
        QString text;
        QString what;
        QString with;
        QStringList presses;
    };
    // The current row, its text and selection put into the model.
    Row prepared()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(QStringList, presses);
        prepare(text, selStart, selLength);
        return {text, what, with, presses};
    }
    void prepare(const QString &text, int selStart, int selLength)
    {
        model->setText(text);
        model->setSelStart(selStart);
        model->setSelLength(selLength);
    }
    QString state(bool found, const QString &text = QString()) const
    {
        return (found ? QString() : QStringLiteral("end ")) + text +
               QStringLiteral("%1+%2 %3")
                   .arg(model->SelStart())
                   .arg(model->SelLength())
                   .arg(model->SelText());
    }

    QPlainTextEdit edit;
    std::unique_ptr<TextModel> model;
};

namespace {

void row(const char *name, const char *text, int selStart, int selLength, const char *what,
         const char *with, const QStringList &presses)
{
    QTest::newRow(name) << QString::fromUtf8(text) << selStart << selLength
                        << QString::fromUtf8(what) << QString::fromUtf8(with) << presses;
}

void columns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with"); // search rows: "exact" or "loose"
    QTest::addColumn<QStringList>("presses");
}

} // namespace

void tst_findreplace::search_data()
{
    columns();
    const char *three = "abc x abc x abc";
    row("first press from the top whatever the caret", three, 12, 0, "abc", "exact",
        {"0+3 abc", "6+3 abc", "12+3 abc", "end 12+3 abc"});
    row("abc finds ABC loosely", "x ABC", 0, 0, "abc", "loose", {"2+3 ABC"});
    row("selection covers what matched, after CR LF", "<P>\r\nｶﾞｷﾞ</P>", 0, 0, "ぎ", "loose",
        {"7+2 ｷﾞ"});
    row("half a line break is passed over", "a\r\nb\r\nc", 0, 0, "\nc", "exact", {"end 0+0 "});
    row("empty search text", "abc", 1, 1, "", "loose", {"end 1+1 b"});
}

void tst_findreplace::search()
{
    const Row r = prepared();
    const Comparison comparison = r.with == "exact" ? Comparison::Exact : Comparison::Loose;
    QStringList trace;
    for (SearchStart start = SearchStart::Top; trace.size() < r.presses.size();
         start = SearchStart::AfterSelection)
        trace << state(searchNext(*model, r.what, start, comparison));
    QCOMPARE(trace, r.presses);
}

void tst_findreplace::replace_data()
{
    columns();
    row("non-matching selection only selects", "xa a", 0, 1, "a", "b", {"xa a 1+1 a"});
    row("searches from the selection's start", "a ab", 2, 2, "a", "b", {"a ab 2+1 a"});
    row("first press selects, next ones replace", "a a a", 0, 0, "a", "b",
        {"a a a 0+1 a", "b a a 2+1 a", "b b a 4+1 a", "end b b b 5+0 "});
    row("aa: a by aa ends", "aa", 0, 0, "a", "aa", {"aa 0+1 a", "aaa 2+1 a", "end aaaa 4+0 "});
    row("always exact", "A ａ ｱ a", 0, 0, "a", "b", {"A ａ ｱ a 6+1 a"});
    row("replacement with a line break", "a|b|", 1, 1, "|", "<BR>\n",
        {"a<BR>\r\nb| 8+1 |", "end a<BR>\r\nb<BR>\r\n 14+0 "});
    row("empty search text", "abc", 1, 0, "", "x", {"end abc 1+0 "});
}

void tst_findreplace::replace()
{
    const Row r = prepared();
    QStringList trace;
    while (trace.size() < r.presses.size()) {
        const bool found = replaceNext(*model, r.what, r.with);
        trace << state(found, model->Text() + QLatin1Char(' '));
    }
    QCOMPARE(trace, r.presses);
}

void tst_findreplace::replaceAll_data()
{
    columns();
    row("aaaa: a by b", "aaaa", 0, 0, "a", "b", {"bbbb 4+0 "});
    row("aa: a by aa", "aa", 0, 0, "a", "aa", {"aaaa 4+0 "});
    row("starts at the top whatever the caret", "a x a x", 7, 0, "a", "bc", {"bc x bc x 7+0 "});
    row("by nothing", "<B>a</B><B>", 0, 0, "<B>", "", {"a</B> 5+0 "});
    row("nothing found: caret to the top", "abc", 2, 1, "x", "y", {"abc 0+0 "});
    row("line breaks", "a\r\nb\r\nc", 0, 0, "\r\n", "<BR>\r\n", {"a<BR>\r\nb<BR>\r\nc 14+0 "});
    row("lone LF replacement is a line break", "a|b", 0, 0, "|", "\n", {"a\r\nb 3+0 "});
    row("empty search text changes nothing", "abc", 2, 1, "", "x", {"abc 2+1 c"});
}

// The same text and caret as replace one pressed until it finds nothing, in one undo step.
void tst_findreplace::replaceAll()
{
    const Row r = prepared();
    ::replaceAll(*model, r.what, r.with);
    QCOMPARE(state(true, model->Text() + QLatin1Char(' ')), r.presses.first());
    edit.undo();
    QCOMPARE(model->Text(), r.text);
    if (r.what.isEmpty())
        return;
    prepare(r.text, 0, 0);
    while (replaceNext(*model, r.what, r.with)) {
    }
    QCOMPARE(state(true, model->Text() + QLatin1Char(' ')), r.presses.first());
}

// A line of thousands of characters is held in pieces; matches across and beside the joins
// are replaced like any other.
void tst_findreplace::replaceAllInALongLine()
{
    QString line;
    for (int i = 0; i < 1000; ++i)
        line += QStringLiteral("<B>ab</B>");
    model->setText(line + QStringLiteral("\r\n") + line);
    ::replaceAll(*model, QStringLiteral("ab</B><B>"), QStringLiteral("-"));
    QString expected = line;
    expected.replace(QStringLiteral("ab</B><B>"), QStringLiteral("-"));
    QCOMPARE(model->Text(), expected + QStringLiteral("\r\n") + expected);
    QCOMPARE(model->Text().sliced(model->SelStart()), QStringLiteral("ab</B>"));
}

QTEST_MAIN(tst_findreplace)
#include "tst_findreplace.moc"
