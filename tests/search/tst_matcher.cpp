#include "search/matcher.h"

#include <QTest>

Q_DECLARE_METATYPE(Comparison)

// The matcher with regular expressions: what each pattern finds, as every match from `from`
// on, each search going on from the last match's end; what replacements write; the faults and
// the folding limits it reports. Literal text is findText's, tested there.
class tst_matcher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void find_data();
    void find();
    void invalidPattern_data();
    void invalidPattern();
    void replacement_data();
    void replacement();
    void foldNote_data();
    void foldNote();
};

namespace {

using enum Comparison;

// Every match at or after `from`, as "start+length" separated by spaces.
QString walk(const Matcher &matcher, const QString &text, qsizetype from)
{
    QStringList found;
    while (const std::optional<TextMatch> match = matcher.find(text, from)) {
        found << QStringLiteral("%1+%2").arg(match->start).arg(match->length);
        from = match->start + match->length;
    }
    return found.join(u' ');
}

Matcher pattern(const QString &pattern, Comparison comparison = Exact)
{
    return Matcher({pattern, comparison, true});
}

void row(const char *name, const char16_t *text, const char16_t *pattern, Comparison comparison,
         const char *matches, int from = 0)
{
    QTest::newRow(name) << QString::fromUtf16(text) << QString::fromUtf16(pattern) << comparison
                        << from << QString::fromLatin1(matches);
}

} // namespace

void tst_matcher::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Comparison>("comparison");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("matches");
    row("literal ガイド finds every spelling", u"ｶﾞｲﾄﾞ ガイド がいど", u"ガイド", Loose,
        "0+5 6+3 10+3");
    row("exact keeps kana and width", u"ｶﾞｲﾄﾞ ガイド がいど", u"ガイド", Exact, "6+3");
    row("loose with a quantifier", u"<P>ａａA</P>", u"<p>a+</p>", Loose, "0+10");
    row("half-width kana and mark quantified as one", u"ががｶﾞ", u"ｶﾞ+", Loose, "0+4");
    row("combining mark", u"か\u3099", u"が", Loose, "0+2");
    row("unvoiced kana misses the voiced", u"ｶﾞｶ", u"か", Loose, "2+1");
    row("mark joined to its kana", u"ｶﾞ ｱﾞ", u"ﾞ", Loose, "4+1");
    row("class gains width and case", u"１２3 ＡbC", u"[0-9a-c]+", Loose, "0+3 4+3");
    row("negated class excludes the variants", u"ａ-b", u"[^a]+", Loose, "1+2");
    row("class kept in exact", u"１２3", u"[0-9]+", Exact, "2+1");
    row("(?-i) compares as typed", u"ガイド がいど ガイド", u"(?-i)ガイド", Loose, "0+3 8+3");
    row("(?i) folds within exact", u"がいど ｶﾞｲﾄﾞ", u"(?i:ガイド)", Exact, "0+3 4+5");
    row("escaped code folds", u"がいど", u"\\x{30AC}\\x{3044}ど", Loose, "0+3");
    row("quoted text", u"a.b axb Ａ.B", u"\\Qa.b\\E", Loose, "0+3 8+3");
    row("extended layout and comment", u"ab", u"(?x) a b # letters", Loose, "0+2");
    row("named group and quantifier", u"aa aaa", u"(?<n>a){3}", Exact, "3+3");
    row("Japanese words", u"日本語 abc", u"\\w+", Exact, "0+3 4+3");
    row("lookbehind with kana", u"ガイド がいど ｶﾞｲﾄﾞ", u"(?<=ガ)イド", Loose, "1+2 5+2");
    row("lookbehind from a later start", u"xa", u"(?<=x)a", Exact, "1+1", 1);
    row("\\n over CR LF", u"a\r\nb", u"a\\nb", Exact, "0+4");
    row("\\n over a lone LF", u"a\nb", u"a\\nb", Exact, "0+3");
    row("\\n over a lone CR", u"a\rb", u"a\\nb", Exact, "0+3");
    row("typed break over CR LF", u"a\r\nb", u"a\nb", Exact, "0+4");
    row("\\n in a lookbehind", u"a\r\nb\nc", u"(?<=\\n)[bc]", Exact, "3+1 5+1");
    row("[^\\n] stops before CR", u"ab\r\ncd", u"[^\\n]+", Exact, "0+2 4+2");
    row("$ before CR LF", u"ab\r\ncd", u"b$", Exact, "1+1");
    row("^ after CR LF", u"ab\r\ncd", u"^c", Exact, "4+1");
    row("no end between CR and LF", u"a\r\nb", u"a\\r?", Exact, "0+1");
    row("no start between CR and LF", u"a\r\nb", u"\\x{a}b", Exact, "");
    row("a* skips the empty matches", u"baac", u"a*", Exact, "1+2");
    row("^ alone finds nothing", u"a\nb", u"^", Exact, "");
    row("lazy a*? takes one", u"aa", u"a*?", Exact, "0+1 1+1");
    row("empty pattern", u"abc", u"", Exact, "");
}

void tst_matcher::find()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(Comparison, comparison);
    QFETCH(int, from);
    QFETCH(QString, matches);
    const Matcher matcher = ::pattern(pattern, comparison);
    QVERIFY2(matcher.isValid(), qPrintable(matcher.error()));
    QCOMPARE(walk(matcher, text, from), matches);
}

void tst_matcher::invalidPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("error");
    QTest::newRow("unclosed group")
        << "a(b" << u"正規表現が正しくありません：missing closing parenthesis（4 文字目）"_qs;
    QTest::newRow("unclosed class")
        << "[ab"
        << u"正規表現が正しくありません：missing terminating ] for character class（4 文字目）"_qs;
    QTest::newRow("offset in characters")
        << u"ガ😀)"_qs
        << u"正規表現が正しくありません：unmatched closing parenthesis（3 文字目）"_qs;
}

void tst_matcher::invalidPattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, error);
    for (const Comparison comparison : {Exact, Loose}) {
        const Matcher matcher = ::pattern(pattern, comparison);
        QVERIFY(!matcher.isValid());
        QCOMPARE(matcher.error(), error);
        QCOMPARE(matcher.find(pattern, 0), std::nullopt);
    }
}

void tst_matcher::replacement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("\\1 and $2") << "2026-12-08"
                                << "(\\d+)-(\\d+)-(\\d+)" << true << "\\3/$2/\\1"
                                << "\r\n"
                                << "08/12/2026";
    QTest::newRow("$0 is the whole match") << "ab"
                                           << "b" << true << "[$0]"
                                           << "\r\n"
                                           << "a[b]";
    QTest::newRow("\\n writes the given break, CR LF") << "a,b"
                                                       << "," << true << "\\n"
                                                       << "\r\n"
                                                       << "a\r\nb";
    QTest::newRow("\\n writes the given break, LF") << "a,b"
                                                    << "," << true << "\\n"
                                                    << "\n"
                                                    << "a\nb";
    QTest::newRow("\\t") << "a,b"
                         << "," << true << "\\t"
                         << "\n"
                         << "a\tb";
    QTest::newRow("\\\\ and \\$") << "a"
                                  << "(a)" << true << "\\\\1\\$1"
                                  << "\n"
                                  << "\\1$1";
    QTest::newRow("past the last group as typed") << "a"
                                                  << "(a)" << true << "$2\\2\\0"
                                                  << "\n"
                                                  << "$2\\2\\0";
    QTest::newRow("group that took no part") << "b"
                                             << "(a)?b" << true << "[\\1]"
                                             << "\n"
                                             << "[]";
    QTest::newRow("captured line break kept") << "a\r\nb"
                                              << "(a\\nb)" << true << "<$1>"
                                              << "\n"
                                              << "<a\r\nb>";
    QTest::newRow("loose captures as found") << "ｶﾞｲﾄﾞ"
                                             << "(ガ)(イド)" << true << "$2$1"
                                             << "\n"
                                             << "ｲﾄﾞｶﾞ";
    QTest::newRow("literal text as typed") << "a"
                                           << "a" << false << "\\n$0"
                                           << "\n"
                                           << "\\n$0";
}

void tst_matcher::replacement()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, regularExpression);
    QFETCH(QString, with);
    QFETCH(QString, lineBreak);
    QFETCH(QString, replaced);
    const Matcher matcher({pattern, Loose, regularExpression});
    QString written;
    qsizetype from = 0;
    while (const std::optional<TextMatch> match = matcher.find(text, from)) {
        written += text.sliced(from, match->start - from) +
                   matcher.replacement(text, *match, with, lineBreak);
        from = match->start + match->length;
    }
    QCOMPARE(written + text.sliced(from), replaced);
}

void tst_matcher::foldNote_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Comparison>("comparison");
    QTest::addColumn<QString>("note");
    const QString backreference = u"後方参照は、カナ・ひらがなと全角・半角を区別します。"_qs;
    const QString inClass = u"[ ] の中の濁音・半濁音は、半角（ｶﾞ、ﾊﾟ）に一致しません。"_qs;
    const QString lookbehind = u"後読みの中の濁音・半濁音は、半角（ｶﾞ、ﾊﾟ）に一致しません。"_qs;
    QTest::newRow("literal kana fold") << u"ガイド[か]"_qs << Loose << QString();
    QTest::newRow("backreference") << "(a)\\1" << Loose << backreference;
    QTest::newRow("named backreference") << "(?<n>a)\\k<n>" << Loose << backreference;
    QTest::newRow("group called, not referred to") << "(a)\\g<1>" << Loose << QString();
    QTest::newRow("backreference after (?-i)") << "(a)(?-i)\\1" << Loose << QString();
    QTest::newRow("exact: nothing to fold") << u"(a)\\1[ガ]"_qs << Exact << QString();
    QTest::newRow("voiced kana in a class") << u"[ガ]"_qs << Loose << inClass;
    QTest::newRow("range over voiced kana") << u"[ァ-ヶ]"_qs << Loose << inClass;
    QTest::newRow("voiced kana in a lookbehind") << u"(?<=ガ)a"_qs << Loose << lookbehind;
    QTest::newRow("all three") << u"(?<=ガ)([ガ])\\1"_qs << Loose
                               << backreference + inClass + lookbehind;
}

void tst_matcher::foldNote()
{
    QFETCH(QString, pattern);
    QFETCH(Comparison, comparison);
    QFETCH(QString, note);
    const Matcher matcher = ::pattern(pattern, comparison);
    QVERIFY(matcher.isValid());
    QCOMPARE(matcher.foldNote(), note);
}

QTEST_APPLESS_MAIN(tst_matcher)
#include "tst_matcher.moc"
