#include "platform/codepage.h"

#include <QTest>

class tst_CodePage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void forCharset_data();
    void forCharset();
    void systemFollowsLocale();
    void decode_data();
    void decode();
    void savesBackByteForByte_data();
    void savesBackByteForByte();
    void encode_data();
    void encode();
    void refusesWhatTheCodePageCannotHold_data();
    void refusesWhatTheCodePageCannotHold();
};

void tst_CodePage::forCharset_data()
{
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QByteArray>("codePage");
    QTest::newRow("C locale is plain ASCII") << QByteArray("ANSI_X3.4-1968") << QByteArray("UTF-8");
    QTest::newRow("nothing known") << QByteArray() << QByteArray("UTF-8");
    QTest::newRow("UTF-8 locale") << QByteArray("UTF-8") << QByteArray("UTF-8");
    QTest::newRow("EUC-JP locale") << QByteArray("EUC-JP") << QByteArray("EUC-JP");
}

void tst_CodePage::forCharset()
{
    QFETCH(QByteArray, charset);
    QFETCH(QByteArray, codePage);
    QCOMPARE(codepage::forCharset(charset), codePage);
}

void tst_CodePage::systemFollowsLocale()
{
    // The tests run under LANG=C.UTF-8.
    QCOMPARE(codepage::system(), QByteArray("UTF-8"));
}

void tst_CodePage::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codePage");

    QTest::newRow("empty file") << QByteArray() << QString() << QByteArray("UTF-8");
    QTest::newRow("UTF-8 Japanese") << QByteArray("<P>日本語ｱｲｳ～−①</P>")
                                    << QStringLiteral("<P>日本語ｱｲｳ～−①</P>") << QByteArray("UTF-8");
    QTest::newRow("UTF-8 byte order mark stays")
        << QByteArray::fromHex("efbbbf41") << QStringLiteral("\uFEFFA") << QByteArray("UTF-8");
    QTest::newRow("CP932 half-width katakana") << QByteArray::fromHex("b1b2b3dedf")
                                               << QStringLiteral("ｱｲｳﾞﾟ") << QByteArray("CP932");
    QTest::newRow("CP932 wave dash, minus, circled one")
        << QByteArray::fromHex("8160817c8740") << QStringLiteral("～－①") << QByteArray("CP932");
    QTest::newRow("CP932 backslash and tilde stay ASCII")
        << QByteArray::fromHex("5c7e93fa") << QStringLiteral("\\~日") << QByteArray("CP932");
    QTest::newRow("neither: one bad byte after UTF-8 text")
        << QByteArray::fromHex("e697a5e69cacff") << QStringLiteral("日本\uEFFF")
        << QByteArray("UTF-8+raw");
    QTest::newRow("neither: one bad byte in CP932 text")
        << QByteArray::fromHex("93fa967b8cea80") << QStringLiteral("日本語\uEF80")
        << QByteArray("CP932+raw");
    QTest::newRow("neither: a genuine stand-in character is kept as its bytes")
        << QByteArray::fromHex("eebe80ff") << QStringLiteral("\uEFEE\uEFBE\uEF80\uEFFF")
        << QByteArray("UTF-8+raw");
}

void tst_CodePage::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, codePage);
    const codepage::Decoded decoded = codepage::decode(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.codePage, codePage);
}

void tst_CodePage::savesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8 Japanese with CR LF") << QByteArray("<P>日本語ｱｲｳ～−①</P>\r\n");
    QTest::newRow("UTF-8 genuine private use character") << QByteArray("\xee\xbe\x80");
    QTest::newRow("CP932 katakana, wave dash, minus, circled one, yen sign")
        << QByteArray::fromHex("b1b2b3dedf8160817c87408fe05c7e0d0a");
    QTest::newRow("CP932 IBM extension") << QByteArray::fromHex("fa40fb40");
    QTest::newRow("neither, bad bytes kept") << QByteArray::fromHex("e697a5ff80fe0d0a41");
    QTest::newRow("neither, genuine stand-in character kept") << QByteArray::fromHex("eebe80ff");
    QTest::newRow("neither, cut off at the end") << QByteArray::fromHex("41e697");
}

void tst_CodePage::savesBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    const codepage::Decoded decoded = codepage::decode(bytes);
    const codepage::Encoded encoded = codepage::encode(decoded.text, decoded.codePage);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded.bytes.toHex(' '), bytes.toHex(' '));
}

void tst_CodePage::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CP932 half-width katakana")
        << QStringLiteral("ｱｲｳﾞ") << QByteArray("CP932") << QByteArray::fromHex("b1b2b3de");
    QTest::newRow("CP932 full-width tilde and wave dash give the same bytes")
        << QStringLiteral("～〜") << QByteArray("CP932") << QByteArray::fromHex("81608160");
    QTest::newRow("CP932 minus sign and full-width hyphen-minus give the same bytes")
        << QStringLiteral("−－") << QByteArray("CP932") << QByteArray::fromHex("817c817c");
    QTest::newRow("CP932 circled one") << QStringLiteral("①") << QByteArray("CP932")
                                       << QByteArray::fromHex("8740");
    QTest::newRow("UTF-8 emoji") << QStringLiteral("a😀") << QByteArray("UTF-8")
                                 << QByteArray::fromHex("61f09f9880");
    QTest::newRow("no code page yet means the system's")
        << QStringLiteral("日") << QByteArray() << QByteArray::fromHex("e697a5");
    QTest::newRow("stand-in range is text where bytes were not kept")
        << QStringLiteral("\uEF80") << QByteArray("UTF-8") << QByteArray::fromHex("eebe80");
    QTest::newRow("kept byte between CP932 characters")
        << QStringLiteral("日\uEFFF本") << QByteArray("CP932+raw")
        << QByteArray::fromHex("93faff967b");
}

void tst_CodePage::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, codePage);
    QFETCH(QByteArray, bytes);
    const codepage::Encoded encoded = codepage::encode(text, codePage);
    QCOMPARE(encoded.unencodableAt, -1);
    QCOMPARE(encoded.bytes.toHex(' '), bytes.toHex(' '));
}

void tst_CodePage::refusesWhatTheCodePageCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<qsizetype>("offset");
    QTest::newRow("emoji in CP932") << QStringLiteral("ab\r\nc😀d") << QByteArray("CP932")
                                    << qsizetype(5);
    QTest::newRow("Korean in CP932") << QStringLiteral("日本한") << QByteArray("CP932")
                                     << qsizetype(2);
    QTest::newRow("emoji in CP932 with kept bytes")
        << QStringLiteral("\uEF80a😀") << QByteArray("CP932+raw") << qsizetype(2);
    QTest::newRow("lone high surrogate at the end in UTF-8")
        << QStringLiteral("ab") + QChar(char16_t(0xD83D)) << QByteArray("UTF-8") << qsizetype(2);
    QTest::newRow("lone low surrogate in UTF-8")
        << QStringLiteral("a") + QChar(char16_t(0xDE00)) + QStringLiteral("b")
        << QByteArray("UTF-8") << qsizetype(1);
}

void tst_CodePage::refusesWhatTheCodePageCannotHold()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, codePage);
    QFETCH(qsizetype, offset);
    const codepage::Encoded encoded = codepage::encode(text, codePage);
    QCOMPARE(encoded.unencodableAt, offset);
    QVERIFY(!encoded.ok());
    QVERIFY(!encoded.bytes.contains('?'));
}

QTEST_APPLESS_MAIN(tst_CodePage)
#include "tst_codepage.moc"
