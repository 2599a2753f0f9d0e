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

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

void tst_textsearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("from");
    QTest::addColumn<Comparison>("comparison");
    QTest::addColumn<int>("start"); // -1: not found
    QTest::addColumn<int>("length");

    const auto exact = Comparison::Exact;
    const auto loose = Comparison::Loose;
    QTest::newRow("exact finds the first") << "xabcabc"
                                           << "abc" << 0 << exact << 1 << 3;
    QTest::newRow("exact from the next") << "xabcabc"
                                         << "abc" << 2 << exact << 4 << 3;
    QTest::newRow("exact at from itself") << "xabcabc"
                                          << "abc" << 4 << exact << 4 << 3;
    QTest::newRow("exact after the last") << "xabcabc"
                                          << "abc" << 5 << exact << -1 << 0;
    QTest::newRow("exact keeps case") << "ABC"
                                      << "abc" << 0 << exact << -1 << 0;
    QTest::newRow("exact keeps kana") << s(u"カナ") << s(u"かな") << 0 << exact << -1 << 0;
    QTest::newRow("loose ignores case") << "xABC"
                                        << "abc" << 0 << loose << 1 << 3;
    QTest::newRow("loose non-ASCII case") << s(u"ÄÖ") << s(u"äö") << 0 << loose << 0 << 2;
    QTest::newRow("empty text searched for") << "abc"
                                             << "" << 0 << loose << -1 << 0;
    QTest::newRow("empty text searched in") << ""
                                            << "a" << 0 << exact << -1 << 0;
    QTest::newRow("from past the end") << "abc"
                                       << "c" << 9 << loose << -1 << 0;
    QTest::newRow("negative from") << "abc"
                                   << "a" << -3 << exact << 0 << 1;

    QTest::newRow("hiragana finds katakana") << s(u"アカサ") << s(u"か") << 0 << loose << 1 << 1;
    QTest::newRow("katakana finds hiragana") << s(u"あかさ") << s(u"カサ") << 0 << loose << 1 << 2;
    QTest::newRow("half-width finds hiragana") << s(u"xか") << s(u"ｶ") << 0 << loose << 1 << 1;
    QTest::newRow("hiragana finds half-width") << s(u"xｶ") << s(u"か") << 0 << loose << 1 << 1;
    QTest::newRow("small kana") << s(u"ャ") << s(u"ゃ") << 0 << loose << 0 << 1;
    QTest::newRow("iteration mark") << s(u"ヽ") << s(u"ゝ") << 0 << loose << 0 << 1;
    QTest::newRow("full-width letter") << s(u"xＡ") << "a" << 0 << loose << 1 << 1;
    QTest::newRow("full-width search text") << "xa" << s(u"Ａ") << 0 << loose << 1 << 1;
    QTest::newRow("full-width digits") << s(u"１２３") << "23" << 0 << loose << 1 << 2;
    QTest::newRow("ideographic space") << s(u"a　b") << "a b" << 0 << loose << 0 << 3;
    QTest::newRow("half-width prolonged mark") << s(u"ｰ") << s(u"ー") << 0 << loose << 0 << 1;

    QTest::newRow("half-width voiced is longer") << s(u"xｶﾞy") << s(u"が") << 0 << loose << 1 << 2;
    QTest::newRow("katakana voiced in half-width")
        << s(u"xｶﾞy") << s(u"ガy") << 0 << loose << 1 << 3;
    QTest::newRow("half-width voiced is shorter") << s(u"xガy") << s(u"ｶﾞ") << 0 << loose << 1 << 1;
    QTest::newRow("semi-voiced") << s(u"ﾊﾟﾊﾟ") << s(u"ぱ") << 1 << loose << 2 << 2;
    QTest::newRow("unvoiced kana misses voiced") << s(u"ｶﾞ") << s(u"か") << 0 << loose << -1 << 0;
    QTest::newRow("voiced kana misses unvoiced") << s(u"ｶ") << s(u"が") << 0 << loose << -1 << 0;
    QTest::newRow("voiced mark joined to its kana") << s(u"ｶﾞ") << s(u"ﾞ") << 0 << loose << -1 << 0;
    QTest::newRow("lone voiced mark") << s(u"aﾞ") << s(u"ﾞ") << 0 << loose << 1 << 1;
    QTest::newRow("mark that cannot join") << s(u"ｱﾞ") << s(u"あﾞ") << 0 << loose << 0 << 2;
    QTest::newRow("voiced wa") << s(u"ﾜﾞ") << s(u"ヷ") << 0 << loose << 0 << 2;
    QTest::newRow("vu") << s(u"ｳﾞ") << s(u"ゔ") << 0 << loose << 0 << 2;
    QTest::newRow("combining mark") << s(u"か\u3099") << s(u"ガ") << 0 << loose << 0 << 2;
    QTest::newRow("exact keeps half-width") << s(u"ｶﾞ") << s(u"ガ") << 0 << exact << -1 << 0;

    QTest::newRow("after CR LF, exact") << "a\r\nb\r\nb"
                                        << "b" << 4 << exact << 6 << 1;
    QTest::newRow("after CR LF, voiced")
        << s(u"<P>\r\nｶﾞｷﾞ</P>") << s(u"ぎ") << 0 << loose << 7 << 2;
    QTest::newRow("CR LF searched for") << s(u"あ\r\nア") << s(u"\r\nあ") << 0 << loose << 1 << 3;
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
    if (start < 0) {
        QCOMPARE(found, std::nullopt);
        return;
    }
    QVERIFY(found);
    QCOMPARE(*found, (TextMatch{start, length}));
}

QTEST_APPLESS_MAIN(tst_textsearch)
#include "tst_textsearch.moc"
