#include "search/findreplace.h"

#include "textmodel/textmodel.h"

#include <QPlainTextEdit>
#include <QTest>

// The find and replace steps on a text model, press by press. A press is traced as the
// selection it leaves, "start+length selected", after "end " when it found nothing; replace
// presses trace the whole text first.
class tst_findreplace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { model = std::make_unique<TextModel>(edit); }
    void presses_data();
    void presses();
    void replaceAllInALongLine();

private:
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
    QString replaced(bool found) const { return state(found, model->Text() + QLatin1Char(' ')); }

    QPlainTextEdit edit;
    std::unique_ptr<TextModel> model;
};

namespace {

void row(const char *step, const char *name, const char *text, int selStart, int selLength,
         const char *what, const char *with, const QStringList &presses)
{
    QTest::addRow("%s: %s", step, name)
        << QByteArray(step) << QString::fromUtf8(text) << selStart << selLength
        << QString::fromUtf8(what) << QString::fromUtf8(with) << presses;
}

} // namespace

void tst_findreplace::presses_data()
{
    // "exact", "loose", "replace" or "replace all"; the replace steps compare loosely unless
    // "exact" follows; "regex " in front makes the search text a regular expression.
    QTest::addColumn<QByteArray>("step");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QStringList>("presses");
    row("exact", "first press from the top whatever the caret", "abc x abc x abc", 12, 0, "abc", "",
        {"0+3 abc", "6+3 abc", "12+3 abc", "end 12+3 abc"});
    row("loose", "abc finds ABC", "x ABC", 0, 0, "abc", "", {"2+3 ABC"});
    row("loose", "selection covers what matched, after CR LF", "<P>\r\nｶﾞｷﾞ</P>", 0, 0, "ぎ", "",
        {"7+2 ｷﾞ"});
    row("exact", "half a line break is passed over", "a\r\nb\r\nc", 0, 0, "\nc", "", {"end 0+0 "});
    row("loose", "empty search text", "abc", 1, 1, "", "", {"end 1+1 b"});

    row("replace", "non-matching selection only selects", "xa a", 0, 1, "a", "b", {"xa a 1+1 a"});
    row("replace", "searches from the selection's start", "a ab", 2, 2, "a", "b", {"a ab 2+1 a"});
    row("replace", "first press selects, next ones replace", "a a a", 0, 0, "a", "b",
        {"a a a 0+1 a", "b a a 2+1 a", "b b a 4+1 a", "end b b b 5+0 "});
    row("replace", "aa: a by aa ends", "aa", 0, 0, "a", "aa",
        {"aa 0+1 a", "aaa 2+1 a", "end aaaa 4+0 "});
    row("replace exact", "chkMozi checked: only the same letters", "A ａ ｱ a", 0, 0, "a", "b",
        {"A ａ ｱ a 6+1 a"});
    row("replace", "folds as find does", "ｶﾞｲﾄﾞ ガイド がいど", 0, 0, "がいど", "案内",
        {"ｶﾞｲﾄﾞ ガイド がいど 0+5 ｶﾞｲﾄﾞ", "案内 ガイド がいど 3+3 ガイド",
         "案内 案内 がいど 6+3 がいど", "end 案内 案内 案内 8+0 "});
    row("replace", "replacement with a line break", "a|b|", 1, 1, "|", "<BR>\n",
        {"a<BR>\r\nb| 8+1 |", "end a<BR>\r\nb<BR>\r\n 14+0 "});
    row("replace", "empty search text", "abc", 1, 0, "", "x", {"end abc 1+0 "});

    row("replace all", "aaaa: a by b", "aaaa", 0, 0, "a", "b", {"bbbb 4+0 "});
    row("replace all", "aa: a by aa", "aa", 0, 0, "a", "aa", {"aaaa 4+0 "});
    row("replace all", "starts at the top whatever the caret", "a x a x", 7, 0, "a", "bc",
        {"bc x bc x 7+0 "});
    row("replace all", "by nothing", "<B>a</B><B>", 0, 0, "<B>", "", {"a</B> 5+0 "});
    row("replace all", "nothing found: caret to the top", "abc", 2, 1, "x", "y", {"abc 0+0 "});
    row("replace all", "line breaks", "a\r\nb\r\nc", 0, 0, "\r\n", "<BR>\r\n",
        {"a<BR>\r\nb<BR>\r\nc 14+0 "});
    row("replace all", "lone LF replacement is a line break", "a|b", 0, 0, "|", "\n",
        {"a\r\nb 3+0 "});
    row("replace all", "empty search text changes nothing", "abc", 2, 1, "", "x", {"abc 2+1 c"});
    row("replace all", "folds as find does", "ｶﾞｲﾄﾞ ガイド がいど", 0, 0, "がいど", "案内",
        {"案内 案内 案内 8+0 "});
    row("replace all exact", "chkMozi checked: only the same letters", "a A ａ", 0, 0, "a", "b",
        {"b A ａ 1+0 "});

    row("regex loose", "half-width found by a pattern", "<P>ｶﾞｲﾄﾞ</P>", 0, 0, "ガ.ド", "",
        {"3+5 ｶﾞｲﾄﾞ"});
    row("regex replace", "selection matched in its context", "xa ya", 4, 1, "(?<=y)a", "b",
        {"end xa yb 5+0 "});
    row("regex replace", "captures, press by press", "<b>x</b><b>y</b>", 0, 0, "<b>(.)</b>",
        "<strong>\\1</strong>",
        {"<b>x</b><b>y</b> 0+8 <b>x</b>", "<strong>x</strong><b>y</b> 18+8 <b>y</b>",
         "end <strong>x</strong><strong>y</strong> 36+0 "});
    row("regex replace all", "\\n written as a line break", "a,b,c", 0, 0, ",", "\\n",
        {"a\r\nb\r\nc 6+0 "});
    row("regex replace all", "\\n takes each break once", "a\r\nb\r\n\r\nc", 0, 0, "\\n+", " ",
        {"a b c 4+0 "});
}

// Replace all leaves the same text and caret as replace one pressed until it finds nothing,
// in one undo step.
void tst_findreplace::presses()
{
    QFETCH(QByteArray, step);
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(QStringList, presses);
    prepare(text, selStart, selLength);
    QStringList trace;
    const Comparison comparison = step.endsWith("exact") ? Comparison::Exact : Comparison::Loose;
    const bool regularExpression = step.startsWith("regex ");
    if (regularExpression)
        step = step.sliced(6);
    const Matcher matcher({what, comparison, regularExpression});
    if (step.startsWith("replace all")) {
        ::replaceAll(*model, matcher, with);
        trace << replaced(true);
        edit.undo();
        QCOMPARE(model->Text(), text);
        if (!what.isEmpty()) {
            prepare(text, 0, 0);
            while (replaceNext(*model, matcher, with).found) {
            }
            QCOMPARE(replaced(true), presses.first());
        }
    }
    for (SearchStart start = SearchStart::Top; trace.size() < presses.size();
         start = SearchStart::AfterSelection) {
        if (step.startsWith("replace"))
            trace << replaced(replaceNext(*model, matcher, with).found);
        else
            trace << state(searchNext(*model, matcher, start));
    }
    QCOMPARE(trace, presses);
}

// A line of thousands of characters is held in pieces; matches across and beside the joins
// are replaced like any other.
void tst_findreplace::replaceAllInALongLine()
{
    QString line;
    for (int i = 0; i < 1000; ++i)
        line += QStringLiteral("<B>ab</B>");
    model->setText(line + QStringLiteral("\r\n") + line);
    ::replaceAll(*model, Matcher({QStringLiteral("ab</B><B>"), Comparison::Exact}),
                 QStringLiteral("-"));
    QString expected = line;
    expected.replace(QStringLiteral("ab</B><B>"), QStringLiteral("-"));
    QCOMPARE(model->Text(), expected + QStringLiteral("\r\n") + expected);
    QCOMPARE(model->Text().sliced(model->SelStart()), QStringLiteral("ab</B>"));
}

QTEST_MAIN(tst_findreplace)
#include "tst_findreplace.moc"
