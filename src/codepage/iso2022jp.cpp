#include "codepage/iso2022jp.h"

#include "codepage/iconvconverter.h"
#include "codepage/rawbytes.h"

namespace iso2022jp {
namespace {

using Escapes = TextEncoding::Iso2022JpEscapes;

enum class Set { Ascii, Roman, Kana, Kanji };

// What writes a character.
enum class Kind { Ascii, JisRomanOnly, Kana, Kanji, KeptByte, Refused };

Kind kindOf(QChar c, bool keepsRawBytes)
{
    const char16_t u = c.unicode();
    // The escape and the shifts would read back as switches of their own.
    if (u == 0x1B || u == 0x0E || u == 0x0F)
        return Kind::Refused;
    if (u < 0x80)
        return Kind::Ascii;
    if (u == 0xA5 || u == 0x203E)
        return Kind::JisRomanOnly;
    if (u >= 0xFF61 && u <= 0xFF9F)
        return Kind::Kana;
    if (keepsRawBytes && rawbytes::isStandIn(c))
        return Kind::KeptByte;
    return Kind::Kanji;
}

class Writer {
public:
    Writer(QByteArray &out, Escapes escapes) : out_(out), escapes_(escapes) {}

    void put(Set set, char byte)
    {
        switchTo(set);
        out_ += byte;
    }
    void putBytes(Set set, QByteArrayView bytes)
    {
        switchTo(set);
        out_.append(bytes);
    }
    // JIS-Roman differs from ASCII only in the backslash and the tilde: a file that writes
    // its letters in JIS-Roman goes on in it, one that writes them in ASCII goes back.
    void putAscii(char c)
    {
        const bool differs = c == '\\' || c == '~';
        if (state_ == Set::Ascii || (state_ == Set::Roman && escapes_.jisRoman && !differs))
            out_ += c;
        else
            put(escapes_.jisRoman && !differs ? Set::Roman : Set::Ascii, c);
    }
    void putKeptByte(char byte) { out_ += byte; }
    // A file ends in its Roman set.
    void finish()
    {
        if (state_ != Set::Ascii && !(state_ == Set::Roman && escapes_.jisRoman))
            switchTo(escapes_.jisRoman ? Set::Roman : Set::Ascii);
    }

private:
    void switchTo(Set set)
    {
        if (set != state_)
            out_.append(escapeFor(set));
        state_ = set;
    }
    QByteArrayView escapeFor(Set set) const
    {
        switch (set) {
        case Set::Roman:
            return "\x1b(J";
        case Set::Kana:
            return "\x1b(I";
        case Set::Kanji:
            return escapes_.oldKanji ? "\x1b$@" : "\x1b$B";
        case Set::Ascii:
            break;
        }
        return "\x1b(B";
    }

    QByteArray &out_;
    Escapes escapes_;
    Set state_ = Set::Ascii;
};

// The two-byte codes of `run` in `pairs`, escapes left out; -1, or the offset in `run` of
// the first character JIS X 0208 does not hold.
qsizetype kanjiPairs(codepage::Converter &converter, QStringView run, QByteArray &pairs)
{
    const QByteArrayView kanjiIn("\x1b$B");
    const char *base = reinterpret_cast<const char *>(run.data());
    const char *in = base;
    size_t inLeft = size_t(run.size()) * 2;
    converter.reset();
    pairs.clear();
    if (converter.convert(in, inLeft, pairs) != 0)
        return (in - base) / 2;
    if (pairs.startsWith(kanjiIn))
        pairs.remove(0, kanjiIn.size());
    return -1;
}

qsizetype count(const QByteArray &bytes, const char *escape)
{
    return bytes.count(QByteArrayView(escape));
}

} // namespace

Escapes escapesOf(const QByteArray &bytes)
{
    return {count(bytes, "\x1b(J") > count(bytes, "\x1b(B"),
            count(bytes, "\x1b$@") > count(bytes, "\x1b$B")};
}

codepage::Encoded encode(QStringView text, const TextEncoding &encoding)
{
    codepage::Encoded result;
    Writer writer(result.bytes, encoding.iso2022JpEscapes);
    codepage::Converter kanji(codepage::Iso2022Jp, codepage::nativeUtf16());
    QByteArray pairs;
    const auto kind = [&](qsizetype i) { return kindOf(text[i], encoding.keepsRawBytes); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        switch (kind(i)) {
        case Kind::Ascii:
            writer.putAscii(char(u));
            break;
        case Kind::JisRomanOnly:
            writer.put(Set::Roman, u == 0xA5 ? '\\' : '~');
            break;
        case Kind::Kana:
            writer.put(Set::Kana, char(u - 0xFF61 + 0x21));
            break;
        case Kind::KeptByte:
            writer.putKeptByte(rawbytes::byteFor(text[i]));
            break;
        case Kind::Refused:
            result.unencodableAt = i;
            return result;
        case Kind::Kanji: {
            qsizetype end = i + 1;
            while (end < text.size() && kind(end) == Kind::Kanji)
                ++end;
            const qsizetype refused = kanjiPairs(kanji, text.sliced(i, end - i), pairs);
            if (refused >= 0) {
                result.unencodableAt = i + refused;
                return result;
            }
            writer.putBytes(Set::Kanji, pairs);
            i = end - 1;
            break;
        }
        }
    }
    writer.finish();
    return result;
}

} // namespace iso2022jp
