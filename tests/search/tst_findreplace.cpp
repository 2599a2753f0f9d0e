#include "search/findreplace.h"

#include "document/textmodel.h"

#include <QPlainTextEdit>
#include <QTest>

Q_DECLARE_METATYPE(Comparison)

// The find and replace steps on a text model, press by press. Each press is traced as the
// selection it leaves, "start+length selected text", prefixed with "end " when the step
// found nothing; replace presses trace the whole text first.
class tst_findreplace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void search_data();
    void search();
    void replace_data();
    void replace();
    void replaceAll_data();
    void replaceAll();

private:
    void prepare(const QString &text, int selStart, int selLength);
    QString selection() const;
    QString traced(bool found, const QString &state) const;

    QPlainTextEdit *edit = nullptr;
    TextModel *model = nullptr;
};

void tst_findreplace::init()
{
    edit = new QPlainTextEdit;
    model = new TextModel(*edit);
}

void tst_findreplace::cleanup()
{
    delete model;
    delete edit;
}

void tst_findreplace::prepare(const QString &text, int selStart, int selLength)
{
    model->setText(text);
    model->setSelStart(selStart);
    model->setSelLength(selLength);
}

QString tst_findreplace::selection() const
{
    return QStringLiteral("%1+%2 %3")
        .arg(model->SelStart())
        .arg(model->SelLength())
        .arg(model->SelText());
}

QString tst_findreplace::traced(bool found, const QString &state) const
{
    return found ? state : QStringLiteral("end ") + state;
}

namespace {

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

void tst_findreplace::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("what");
    QTest::addColumn<Comparison>("comparison");
    QTest::addColumn<QStringList>("presses");

    const QString three = QStringLiteral("abc x abc x abc");
    QTest::newRow("first press from the top whatever the caret")
        << three << 12 << "abc" << Comparison::Exact << QStringList{"0+3 abc"};
    QTest::newRow("next presses, last one stays selected")
        << three << 12 << "abc" << Comparison::Exact
        << QStringList{"0+3 abc", "6+3 abc", "12+3 abc", "end 12+3 abc"};
    QTest::newRow("abc finds ABC loosely")
        << "x ABC" << 0 << "abc" << Comparison::Loose << QStringList{"2+3 ABC"};
    QTest::newRow("abc misses ABC exactly")
        << "x ABC" << 3 << "abc" << Comparison::Exact << QStringList{"end 3+0 "};
    QTest::newRow("voiced half-width after CR LF")
        << s(u"<P>\r\nｶﾞｷﾞ</P>") << 0 << s(u"ぎ") << Comparison::Loose << QStringList{s(u"7+2 ｷﾞ")};
    QTest::newRow("across a line break")
        << "a\r\nb" << 0 << "a\r\nb" << Comparison::Exact << QStringList{"0+4 a\r\nb"};
    QTest::newRow("half a line break is passed over")
        << "a\r\nb\r\nc" << 0 << "\nc" << Comparison::Exact << QStringList{"end 0+0 "};
    QTest::newRow("empty search text")
        << "abc" << 1 << "" << Comparison::Loose << QStringList{"end 1+0 "};
}

void tst_findreplace::search()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, what);
    QFETCH(Comparison, comparison);
    QFETCH(QStringList, presses);
    prepare(text, caret, 0);
    QStringList trace;
    for (int press = 0; press < presses.size(); ++press) {
        const SearchStart start = press == 0 ? SearchStart::Top : SearchStart::AfterSelection;
        const bool found = searchNext(*model, what, start, comparison);
        trace << traced(found, selection());
    }
    QCOMPARE(trace, presses);
}

void tst_findreplace::replace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QStringList>("presses");

    QTest::newRow("non-matching selection only selects") << "xa a" << 0 << 1 << "a"
                                                         << "b" << QStringList{"xa a | 1+1 a"};
    QTest::newRow("search from the start of the selection") << "a ab" << 2 << 2 << "a"
                                                            << "b" << QStringList{"a ab | 2+1 a"};
    QTest::newRow("first press selects, next ones replace")
        << "a a a" << 0 << 0 << "a"
        << "b"
        << QStringList{"a a a | 0+1 a", "b a a | 2+1 a", "b b a | 4+1 a", "end b b b | 5+0 "};
    QTest::newRow("aa: a by aa ends")
        << "aa" << 0 << 0 << "a"
        << "aa" << QStringList{"aa | 0+1 a", "aaa | 2+1 a", "end aaaa | 4+0 "};
    QTest::newRow("always exact") << s(u"A ａ ｱ a") << 0 << 0 << "a"
                                  << "b" << QStringList{s(u"A ａ ｱ a | 6+1 a")};
    QTest::newRow("replacement with a line break")
        << "a|b|" << 1 << 1 << "|"
        << "<BR>\n"
        << QStringList{"a<BR>\r\nb| | 8+1 |", "end a<BR>\r\nb<BR>\r\n | 14+0 "};
    QTest::newRow("empty search text") << "abc" << 1 << 0 << ""
                                       << "x" << QStringList{"end abc | 1+0 "};
}

void tst_findreplace::replace()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(QStringList, presses);
    prepare(text, selStart, selLength);
    QStringList trace;
    for (qsizetype press = 0; press < presses.size(); ++press) {
        const bool found = replaceNext(*model, what, with);
        trace << traced(found, model->Text() + QStringLiteral(" | ") + selection());
    }
    QCOMPARE(trace, presses);
}

void tst_findreplace::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    QTest::newRow("aaaa: a by b") << "aaaa" << 0 << "a"
                                  << "b"
                                  << "bbbb" << 4;
    QTest::newRow("aa: a by aa") << "aa" << 0 << "a"
                                 << "aa"
                                 << "aaaa" << 4;
    QTest::newRow("starts at the top whatever the caret") << "a x a x" << 7 << "a"
                                                          << "bc"
                                                          << "bc x bc x" << 7;
    QTest::newRow("by nothing") << "<B>a</B><B>" << 0 << "<B>"
                                << ""
                                << "a</B>" << 5;
    QTest::newRow("nothing found: caret to the top") << "abc" << 2 << "x"
                                                     << "y"
                                                     << "abc" << 0;
    QTest::newRow("line breaks replaced") << "a\r\nb\r\nc" << 0 << "\r\n"
                                          << "<BR>\r\n"
                                          << "a<BR>\r\nb<BR>\r\nc" << 14;
    QTest::newRow("lone LF replacement is a line break") << "a|b" << 0 << "|"
                                                         << "\n"
                                                         << "a\r\nb" << 3;
    QTest::newRow("half-width voiced, exact")
        << s(u"ｶﾞガ") << 0 << s(u"ガ") << s(u"が") << s(u"ｶﾞが") << 3;
    QTest::newRow("empty search text changes nothing") << "abc" << 2 << ""
                                                       << "x"
                                                       << "abc" << 2;
}

// The same text and caret as replace-one pressed until it finds nothing, and one undo step.
void tst_findreplace::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    if (!what.isEmpty()) {
        prepare(text, 0, 0);
        while (replaceNext(*model, what, with)) {
        }
        QCOMPARE(model->Text(), expected);
        QCOMPARE(selection(), QStringLiteral("%1+0 ").arg(expectedCaret));
    }
    prepare(text, caret, 0);
    ::replaceAll(*model, what, with);
    QCOMPARE(model->Text(), expected);
    QCOMPARE(selection(), QStringLiteral("%1+0 ").arg(expectedCaret));
    edit->undo();
    QCOMPARE(model->Text(), text);
}

QTEST_MAIN(tst_findreplace)
#include "tst_findreplace.moc"
