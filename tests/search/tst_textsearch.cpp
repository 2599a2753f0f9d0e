#include "search/textsearch.h"

#include <QTest>

Q_DECLARE_METATYPE(Comparison)

class tst_textsearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void find_data();
    void find();
};

namespace {

using enum Comparison;

// A start of -1: nothing found.
void row(const char *name, const char16_t *text, const char16_t *what, int from,
         Comparison comparison, int start, int length = 0)
{
    QTest::newRow(name) << QString::fromUtf16(text) << QString::fromUtf16(what) << from
                        << comparison << start << length;
}

} // namespace

void tst_textsearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("from");
    QTest::addColumn<Comparison>("comparison");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    row("exact finds the first", u"xabcabc", u"abc", 0, Exact, 1, 3);
    row("exact after the last", u"xabcabc", u"abc", 5, Exact, -1);
    row("exact keeps case", u"ABC", u"abc", 0, Exact, -1);
    row("exact keeps kana", u"カナ", u"かな", 0, Exact, -1);
    row("exact keeps width", u"ｶﾞ", u"ガ", 0, Exact, -1);
    row("empty search text matches nothing", u"abc", u"", 0, Loose, -1);
    row("from past the end", u"abc", u"c", 9, Loose, -1);
    row("loose ignores case", u"xABC", u"abc", 0, Loose, 1, 3);
    row("loose non-ASCII case", u"ÄÖ", u"äö", 0, Loose, 0, 2);
    row("hiragana finds katakana", u"アカサ", u"か", 0, Loose, 1, 1);
    row("half-width finds hiragana", u"xか", u"ｶ", 0, Loose, 1, 1);
    row("small kana and iteration mark", u"ャヽ", u"ゃゝ", 0, Loose, 0, 2);
    row("full-width search text", u"x1a", u"１Ａ", 0, Loose, 1, 2);
    row("ideographic space", u"a　b", u"a b", 0, Loose, 0, 3);
    row("half-width voiced: longer match", u"xｶﾞy", u"が", 0, Loose, 1, 2);
    row("half-width voiced: shorter match", u"xガy", u"ｶﾞ", 0, Loose, 1, 1);
    row("semi-voiced from the second", u"ﾊﾟﾊﾟ", u"ぱ", 1, Loose, 2, 2);
    row("unvoiced kana misses voiced", u"ｶﾞ", u"か", 0, Loose, -1);
    row("mark joined to its kana", u"ｶﾞ", u"ﾞ", 0, Loose, -1);
    row("mark that cannot join", u"ｱﾞ", u"あﾞ", 0, Loose, 0, 2);
    row("voiced wa, only in katakana", u"ﾜﾞ", u"ヷ", 0, Loose, 0, 2);
    row("combining mark", u"か\u3099", u"ガ", 0, Loose, 0, 2);
    row("after CR LF", u"<P>\r\nｶﾞｷﾞ</P>", u"ぎ", 0, Loose, 7, 2);
    row("across CR LF", u"あ\r\nア", u"\r\nあ", 0, Loose, 1, 3);
}

void tst_textsearch::find()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(int, from);
    QFETCH(Comparison, comparison);
    QFETCH(int, start);
    QFETCH(int, length);
    const std::optional<TextMatch> found = findText(text, what, from, comparison);
    QCOMPARE(found, start < 0 ? std::nullopt : std::optional(TextMatch{start, length}));
}

QTEST_APPLESS_MAIN(tst_textsearch)
#include "tst_textsearch.moc"
