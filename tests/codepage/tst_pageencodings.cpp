#include "codepage/codepage.h"

#include <QTest>

namespace {

const QString Prose =
    QStringLiteral("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"
                   "ﾃﾞｼﾞﾀﾙ版をカタカナで読む。※〒♪「」〇");
// Mail-derived text holds no half-width katakana, which ISO-2022-JP cannot write.
const QString MailProse =
    QStringLiteral("吾輩は猫である。名前はまだ無い。カタカナも記号も※〒♪「」");

QString page(const QString &declaration, const QString &prose)
{
    return declaration +
           QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>吾輩は猫である</TITLE>\r\n"
                          "</HEAD>\r\n<BODY>\r\n<P>") +
           prose + QStringLiteral("</P>\r\n</BODY>\r\n</HTML>\r\n");
}

const QString HttpEquiv =
    QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=%1\">\r\n");

} // namespace

class tst_PageEncodings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsAndSavesBack_data();
    void readsAndSavesBack();
    void asciiPageSavesJapaneseInItsDeclaredEncoding_data();
    void asciiPageSavesJapaneseInItsDeclaredEncoding();
    void iso2022JpFormsSaveBack_data();
    void iso2022JpFormsSaveBack();
};

void tst_PageEncodings::readsAndSavesBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<QByteArray>("byteOrderMark");
    const auto row = [](const char *name, const QString &text, const char *codePage,
                        const QByteArray &mark = {}) {
        QTest::newRow(name) << text << QByteArray(codePage) << mark;
    };
    row("Shift_JIS declared by http-equiv", page(HttpEquiv.arg("Shift_JIS"), Prose), "CP932");
    row("Shift_JIS declared as x-sjis", page("<meta charset='x-sjis'>", Prose), "CP932");
    row("Shift_JIS without declaration", page({}, Prose), "CP932");
    row("EUC-JP declared by http-equiv, lower case, no quotes",
        page("<meta http-equiv=content-type content=text/html;charset=euc-jp>", Prose), "EUC-JP");
    row("EUC-JP declared in an XML declaration",
        page("<?xml version=\"1.0\" encoding=\"EUC-JP\"?>\r\n", Prose), "EUC-JP");
    row("EUC-JP without declaration", page({}, Prose), "EUC-JP");
    row("EUC-JP whose declaration says UTF-8", page("<meta charset=\"utf-8\">", Prose), "EUC-JP");
    row("ISO-2022-JP declared", page(HttpEquiv.arg("ISO-2022-JP"), MailProse), "ISO-2022-JP");
    row("ISO-2022-JP without declaration", page({}, MailProse), "ISO-2022-JP");
    row("UTF-8 declared", page("<meta charset=\"UTF-8\">", Prose), "UTF-8");
    row("UTF-8 without declaration", page({}, Prose), "UTF-8");
    row("UTF-8 with a byte-order mark", page({}, Prose), "UTF-8", "\xef\xbb\xbf");
    row("UTF-16 little-endian with a byte-order mark", page({}, Prose), "UTF-16LE", "\xff\xfe");
    row("UTF-16 big-endian with a byte-order mark", page({}, Prose), "UTF-16BE", "\xfe\xff");
    row("UTF-16 little-endian without a mark", page({}, Prose), "UTF-16LE");
    row("UTF-16 big-endian without a mark", page({}, Prose), "UTF-16BE");
}

void tst_PageEncodings::readsAndSavesBack()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, codePage);
    QFETCH(QByteArray, byteOrderMark);
    const QByteArray bytes = byteOrderMark + codepage::encode(text, TextEncoding(codePage)).bytes;
    const codepage::Decoded decoded = codepage::decode(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding.codePage, codePage);
    QCOMPARE(decoded.encoding.byteOrderMark, !byteOrderMark.isEmpty());
    QVERIFY(!decoded.encoding.keepsRawBytes);
    QCOMPARE(codepage::encode(decoded.text, decoded.encoding).bytes.toHex(' '), bytes.toHex(' '));
}

void tst_PageEncodings::asciiPageSavesJapaneseInItsDeclaredEncoding_data()
{
    QTest::addColumn<QString>("declared");
    QTest::addColumn<QByteArray>("added");
    QTest::newRow("Shift_JIS") << "Shift_JIS" << QByteArray::fromHex("93fa967b8cea");
    QTest::newRow("Windows-31J") << "Windows-31J" << QByteArray::fromHex("93fa967b8cea");
    QTest::newRow("EUC-JP") << "EUC-JP" << QByteArray::fromHex("c6fccbdcb8ec");
}

void tst_PageEncodings::asciiPageSavesJapaneseInItsDeclaredEncoding()
{
    QFETCH(QString, declared);
    QFETCH(QByteArray, added);
    const QByteArray ascii = page(HttpEquiv.arg(declared), QStringLiteral("Hello")).toLatin1();
    const codepage::Decoded decoded = codepage::decode(ascii);
    const codepage::Encoded saved =
        codepage::encode(decoded.text + QStringLiteral("日本語"), decoded.encoding);
    QCOMPARE(saved.bytes.toHex(' '), (ascii + added).toHex(' '));
}

void tst_PageEncodings::iso2022JpFormsSaveBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("JIS-Roman after kanji, lines ending in it")
        << QByteArray("<P>\x1b$B0!\x1b(Jabc\r\n\x1b$B0!\x1b(J</P>\r\n")
        << u"<P>亜abc\r\n亜</P>\r\n"_qs;
    QTest::newRow("JIS-Roman for a yen sign only")
        << QByteArray("\x1b(J\\\x1b(B100\\\r\n") << u"¥100\\\r\n"_qs;
    QTest::newRow("the older kanji escape")
        << QByteArray("<P>\x1b$@0!0\"\x1b(B</P>\r\n") << u"<P>亜唖</P>\r\n"_qs;
    QTest::newRow("half-width katakana")
        << QByteArray("<P>\x1b(I1\x1b$B0!\x1b(I2\x1b(B</P>") << u"<P>ｱ亜ｲ</P>"_qs;
}

// Pages that switch with the older escapes read as their text and save back the same.
void tst_PageEncodings::iso2022JpFormsSaveBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const codepage::Decoded decoded = codepage::decode(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding.codePage, QByteArray("ISO-2022-JP"));
    QCOMPARE(codepage::encode(decoded.text, decoded.encoding).bytes.toHex(' '), bytes.toHex(' '));
}

QTEST_APPLESS_MAIN(tst_PageEncodings)
#include "tst_pageencodings.moc"
