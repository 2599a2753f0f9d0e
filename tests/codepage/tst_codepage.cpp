#include "codepage/codepage.h"
#include "codepage/iconvconverter.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

TextEncoding in(const char *codePage)
{
    TextEncoding encoding;
    encoding.codePage = codePage;
    return encoding;
}

TextEncoding keepingBytes(TextEncoding encoding)
{
    encoding.keepsRawBytes = true;
    return encoding;
}

TextEncoding withMark(TextEncoding encoding)
{
    encoding.byteOrderMark = true;
    return encoding;
}

// "あ" in CP932: no other code page reads these bytes.
const QByteArray Cp932Hiragana = QByteArray::fromHex("82a0");

// A page declaring `charset`, then every character of `codePage` whose lead byte is from
// firstLead to lastLead (after `prefix`, for EUC-JP's three-byte rows) and that decodes alone.
QByteArray everyCharacter(const char *charset, const char *codePage, QByteArray prefix,
                          int firstLead, int lastLead)
{
    QByteArray page = QByteArray("<meta charset=\"") + charset + "\">\n";
    codepage::Converter decoder(codepage::nativeUtf16(), codePage);
    for (int lead = firstLead; lead <= lastLead; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const QByteArray character = prefix + char(lead) + char(trail);
            const char *in = character.constData();
            size_t inLeft = size_t(character.size());
            QString decoded;
            decoder.reset();
            if (decoder.convert(in, inLeft, decoded) == 0 && decoded.size() == 1)
                page += character;
        }
    }
    return page;
}

} // namespace

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
    void cp932TwoFormCharactersSaveBack_data();
    void cp932TwoFormCharactersSaveBack();
    void addedCharacterWithTwoFormsTakesTheStandardOne();
    void encode_data();
    void encode();
    void refusesWhatTheCodePageCannotHold_data();
    void refusesWhatTheCodePageCannotHold();
    void findsEveryCharacterTheCodePageCannotHold_data();
    void findsEveryCharacterTheCodePageCannotHold();
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
    QTest::addColumn<TextEncoding>("encoding");

    QTest::newRow("empty file") << QByteArray() << QString() << in("UTF-8");
    QTest::newRow("UTF-8 Japanese") << QByteArray("<P>日本語ｱｲｳ～−①</P>")
                                    << QStringLiteral("<P>日本語ｱｲｳ～−①</P>") << in("UTF-8");
    QTest::newRow("UTF-8 byte order mark is not text")
        << QByteArray::fromHex("efbbbf41") << QStringLiteral("A") << withMark(in("UTF-8"));
    QTest::newRow("UTF-16 little-endian with its mark")
        << QByteArray::fromHex("fffe4100e5650d000a00") << QStringLiteral("A日\r\n")
        << withMark(in("UTF-16LE"));
    QTest::newRow("UTF-16 big-endian with its mark")
        << QByteArray::fromHex("feff004165e5") << QStringLiteral("A日") << withMark(in("UTF-16BE"));
    QTest::newRow("UTF-16 cut off in the middle of a character keeps the byte")
        << QByteArray::fromHex("fffe410065") << QStringLiteral("A\uEF65")
        << withMark(keepingBytes(in("UTF-16LE")));
    QTest::newRow("CP932 half-width katakana")
        << QByteArray::fromHex("b1b2b3dedf") << QStringLiteral("ｱｲｳﾞﾟ") << in("CP932");
    QTest::newRow("CP932 wave dash, minus, circled one")
        << QByteArray::fromHex("8160817c8740") << QStringLiteral("～－①") << in("CP932");
    QTest::newRow("CP932 backslash and tilde stay ASCII")
        << QByteArray::fromHex("5c7e93fa") << QStringLiteral("\\~日") << in("CP932");
    QTest::newRow("neither: one bad byte after UTF-8 text")
        << QByteArray::fromHex("e697a5e69cacff") << QStringLiteral("日本\uEFFF")
        << keepingBytes(in("UTF-8"));
    QTest::newRow("neither: one bad byte in CP932 text")
        << QByteArray::fromHex("93fa967b8cea80") << QStringLiteral("日本語\uEF80")
        << keepingBytes(in("CP932"));
    QTest::newRow("neither: a genuine stand-in character is kept as its bytes")
        << QByteArray::fromHex("eebe80ff") << QStringLiteral("\uEFEE\uEFBE\uEF80\uEFFF")
        << keepingBytes(in("UTF-8"));
    TextEncoding nec = in("CP932");
    nec.cp932Forms.insert(u'≒', 0x8790);
    QTest::newRow("CP932 remembers the NEC form of a character with two")
        << QByteArray::fromHex("82a08790") << QStringLiteral("あ≒") << nec;
    TextEncoding mixed = keepingBytes(in("CP932"));
    mixed.cp932Forms.insert(u'≒', 0x8790);
    QTest::newRow("CP932 character in two forms: the later form is kept as bytes")
        << QByteArray::fromHex("879081e0") << QStringLiteral("≒\uEF81\uEFE0") << mixed;
}

void tst_CodePage::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    const codepage::Decoded decoded = codepage::decode(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.encoding.codePage, encoding.codePage);
    QCOMPARE(decoded.encoding.byteOrderMark, encoding.byteOrderMark);
    QCOMPARE(decoded.encoding.keepsRawBytes, encoding.keepsRawBytes);
    QCOMPARE(decoded.encoding.cp932Forms, encoding.cp932Forms);
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
    QTest::newRow("neither, 0xFF bytes only") << QByteArray(4096, '\xff');
    QTest::newRow("UTF-8 with its mark") << QByteArray::fromHex("efbbbfe697a50d0a");
    QTest::newRow("UTF-16 little-endian with its mark")
        << QByteArray::fromHex("fffe3c005000e5652c673e003d26") + QByteArray::fromHex("0d000a00");
    QTest::newRow("UTF-16 big-endian with its mark, an emoji and CR LF")
        << QByteArray::fromHex("feff65e5d83dde00000d000a");
    QTest::newRow("CP932 with NEC row 13 and NEC-selected IBM forms")
        << QByteArray::fromHex("82a0879087549396ed40fa5481e0");
    QTest::newRow("CP932 character in two forms") << QByteArray::fromHex("8790414281e08790");
    QTest::newRow("UTF-16 with its mark and a byte left over") << QByteArray::fromHex("fffeb30112");
    QTest::newRow("neither, genuine character low in the stand-in range kept")
        << QByteArray::fromHex("eebc80ff");
    // The open trusts these code pages to read back exactly, without encoding to check.
    QTest::newRow("every CP932 character") << everyCharacter("Shift_JIS", "CP932", {}, 0x81, 0xFC);
    QTest::newRow("every EUC-JP two-byte character")
        << everyCharacter("EUC-JP", "EUC-JP", {}, 0xA1, 0xFE);
    QTest::newRow("every EUC-JP three-byte character")
        << everyCharacter("EUC-JP", "EUC-JP", "\x8f", 0xA1, 0xFE);
    QTest::newRow("UTF-8 page starting with U+FEFF after its mark")
        << QByteArray::fromHex("efbbbfefbbbf3c703e");
}

void tst_CodePage::savesBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    const codepage::Decoded decoded = codepage::decode(bytes);
    const codepage::Encoded encoded = codepage::encode(decoded.text, decoded.encoding);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded.bytes.toHex(' '), bytes.toHex(' '));
}

// Every character CP932 writes in more than one way: lead bytes 87 (NEC row 13), ED and EE
// (NEC-selected IBM extensions) against FA to FC (IBM extensions) and row 2.
void tst_CodePage::cp932TwoFormCharactersSaveBack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const int lead : {0x87, 0xED, 0xEE, 0xFA, 0xFB, 0xFC}) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const QByteArray bytes = Cp932Hiragana + QByteArray(1, char(lead)) + char(trail);
            const codepage::Decoded decoded = codepage::decode(bytes);
            if (decoded.text.size() != 2 || decoded.encoding.keepsRawBytes)
                continue;
            QTest::addRow("%02x %02x %s", lead, trail, qPrintable(decoded.text.sliced(1))) << bytes;
        }
    }
}

void tst_CodePage::cp932TwoFormCharactersSaveBack()
{
    QFETCH(QByteArray, bytes);
    const codepage::Decoded decoded = codepage::decode(bytes);
    QCOMPARE(decoded.encoding.codePage, QByteArray("CP932"));
    QCOMPARE(codepage::encode(decoded.text, decoded.encoding).bytes.toHex(' '), bytes.toHex(' '));
    // Typed once more, the character takes the form the file uses for it.
    const QString typedAgain = decoded.text + decoded.text.sliced(1);
    QCOMPARE(codepage::encode(typedAgain, decoded.encoding).bytes.toHex(' '),
             (bytes + bytes.sliced(2)).toHex(' '));
}

void tst_CodePage::addedCharacterWithTwoFormsTakesTheStandardOne()
{
    const codepage::Decoded decoded = codepage::decode(Cp932Hiragana + QByteArray::fromHex("8754"));
    QCOMPARE(
        codepage::encode(decoded.text + QStringLiteral("≒ⅰ"), decoded.encoding).bytes.toHex(' '),
        QByteArray("82 a0 87 54 81 e0 fa 40"));
}

void tst_CodePage::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CP932 half-width katakana")
        << QStringLiteral("ｱｲｳﾞ") << in("CP932") << QByteArray::fromHex("b1b2b3de");
    QTest::newRow("CP932 full-width tilde and wave dash give the same bytes")
        << QStringLiteral("～〜") << in("CP932") << QByteArray::fromHex("81608160");
    QTest::newRow("CP932 minus sign and full-width hyphen-minus give the same bytes")
        << QStringLiteral("−－") << in("CP932") << QByteArray::fromHex("817c817c");
    QTest::newRow("CP932 circled one")
        << QStringLiteral("①") << in("CP932") << QByteArray::fromHex("8740");
    QTest::newRow("UTF-8 emoji") << QStringLiteral("a😀") << in("UTF-8")
                                 << QByteArray::fromHex("61f09f9880");
    QTest::newRow("no code page yet means the system's")
        << QStringLiteral("日") << TextEncoding() << QByteArray::fromHex("e697a5");
    QTest::newRow("stand-in range is text where bytes were not kept")
        << QStringLiteral("\uEF80") << in("UTF-8") << QByteArray::fromHex("eebe80");
    QTest::newRow("kept byte between CP932 characters")
        << QStringLiteral("日\uEFFF本") << keepingBytes(in("CP932"))
        << QByteArray::fromHex("93faff967b");
}

void tst_CodePage::encode()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    const codepage::Encoded encoded = codepage::encode(text, encoding);
    QCOMPARE(encoded.unencodableAt, -1);
    QCOMPARE(encoded.bytes.toHex(' '), bytes.toHex(' '));
}

void tst_CodePage::refusesWhatTheCodePageCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<qsizetype>("offset");
    QTest::newRow("emoji in CP932") << QStringLiteral("ab\r\nc😀d") << in("CP932") << qsizetype(5);
    QTest::newRow("Korean in CP932") << QStringLiteral("日本한") << in("CP932") << qsizetype(2);
    QTest::newRow("emoji in CP932 with kept bytes")
        << QStringLiteral("\uEF80a😀") << keepingBytes(in("CP932")) << qsizetype(2);
    QTest::newRow("lone high surrogate at the end in UTF-8")
        << QStringLiteral("ab") + QChar(char16_t(0xD83D)) << in("UTF-8") << qsizetype(2);
    QTest::newRow("lone low surrogate in UTF-8")
        << QStringLiteral("a") + QChar(char16_t(0xDE00)) + QStringLiteral("b") << in("UTF-8")
        << qsizetype(1);
}

void tst_CodePage::refusesWhatTheCodePageCannotHold()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(qsizetype, offset);
    const codepage::Encoded encoded = codepage::encode(text, encoding);
    QCOMPARE(encoded.unencodableAt, offset);
    QVERIFY(!encoded.ok());
    QVERIFY(!encoded.bytes.contains('?'));
}

void tst_CodePage::findsEveryCharacterTheCodePageCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<std::vector<qsizetype>>("offsets");
    QTest::newRow("none") << QStringLiteral("日本ｱ～\r\n") << in("CP932")
                          << std::vector<qsizetype>{};
    QTest::newRow("surrogate pairs are one character each, in CP932")
        << QStringLiteral("𠮷野家\r\n😀a한") << in("CP932") << std::vector<qsizetype>{0, 6, 9};
    QTest::newRow("side by side in ISO-2022-JP")
        << QStringLiteral("a😀😀ｱ") << in("ISO-2022-JP") << std::vector<qsizetype>{1, 3};
    QTest::newRow("kept bytes are no such characters")
        << QStringLiteral("\uEF80😀") << keepingBytes(in("CP932")) << std::vector<qsizetype>{1};
    QTest::newRow("a pair across the end of a slice of the text")
        << QString(4095, u'a') + QStringLiteral("😀") + QString(5000, u'b') + QStringLiteral("한")
        << in("EUC-JP") << std::vector<qsizetype>{4095, 9097};
}

void tst_CodePage::findsEveryCharacterTheCodePageCannotHold()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(std::vector<qsizetype>, offsets);
    QCOMPARE(codepage::unencodableOffsets(text, encoding), offsets);
}

QTEST_APPLESS_MAIN(tst_CodePage)
#include "tst_codepage.moc"
