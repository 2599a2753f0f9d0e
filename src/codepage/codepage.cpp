#include "codepage/codepage.h"

#include "codepage/cp932forms.h"
#include "codepage/encodingclues.h"
#include "codepage/iconvconverter.h"
#include "codepage/iso2022jp.h"
#include "codepage/rawbytes.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

#include <langinfo.h>
#include <locale.h>

namespace codepage {
namespace {

using rawbytes::isStandIn;
using rawbytes::standInFor;

struct ByteOrderMark {
    QByteArrayView bytes;
    const char *codePage;
};

const ByteOrderMark ByteOrderMarks[] = {
    {"\xEF\xBB\xBF", Utf8},
    {"\xFF\xFE", Utf16Le},
    {"\xFE\xFF", Utf16Be},
};

const ByteOrderMark *markOf(const QByteArray &bytes)
{
    for (const ByteOrderMark &mark : ByteOrderMarks) {
        if (bytes.startsWith(mark.bytes))
            return &mark;
    }
    return nullptr;
}

QByteArrayView markFor(const QByteArray &codePage)
{
    for (const ByteOrderMark &mark : ByteOrderMarks) {
        if (codePage == mark.codePage)
            return mark.bytes;
    }
    return {};
}

// ISO-2022-JP pages also switch to sets only a wider reader knows.
const char *readerFor(const QByteArray &codePage)
{
    return codePage == Iso2022Jp ? iso2022jp::Reader : codePage.constData();
}

bool isKnown(const QByteArray &codePage)
{
    return Converter(nativeUtf16(), codePage.constData()).isValid();
}

// Qt's UTF-8 decoder refuses exactly what iconv's does (overlong forms, surrogates, code
// points past U+10FFFF, a cut-off character) and is several times faster on the ASCII that
// most of a page is. A leading U+FEFF here is text: the file's own mark is taken off before.
std::optional<QString> decodeUtf8Strictly(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The whole of `bytes` in `codePage`, or nothing when any byte does not decode.
std::optional<QString> decodeStrictly(QByteArrayView bytes, const QByteArray &codePage)
{
    if (codePage == Utf8)
        return decodeUtf8Strictly(bytes);
    Converter converter(nativeUtf16(), readerFor(codePage));
    if (!converter.isValid())
        return std::nullopt;
    const char *in = bytes.data();
    size_t inLeft = size_t(bytes.size());
    QString text;
    if (converter.convert(in, inLeft, text) != 0)
        return std::nullopt;
    text.squeeze();
    return text;
}

struct KeptDecoding {
    QString text;
    qsizetype rawBytes = 0;
};

// The length in bytes of the character at the start of [in, in + inLeft), which decodes; the
// character itself goes to `decoded`. Stateless code pages only, like every locale charset.
size_t nextCharacter(Converter &converter, const char *in, size_t inLeft, QString &decoded)
{
    size_t length = 1;
    for (; length < inLeft; ++length) {
        const char *probe = in;
        size_t probeLeft = length;
        decoded.clear();
        converter.reset();
        if (converter.convert(probe, probeLeft, decoded) == 0 && !decoded.isEmpty())
            break;
    }
    if (length == inLeft) {
        decoded.clear();
        converter.reset();
        converter.convert(in, inLeft, decoded);
    }
    return length;
}

// Appends a run that iconv decoded as a whole but that holds characters in the stand-in
// range. Such genuine characters are written as stand-ins for their bytes, for a stand-in
// reads back as one raw byte on saving.
void appendEscapingStandIns(Converter &converter, const char *in, size_t inLeft, QString &text)
{
    QString decoded;
    while (inLeft > 0) {
        const size_t length = nextCharacter(converter, in, inLeft, decoded);
        if (decoded.size() == 1 && isStandIn(decoded.front())) {
            for (size_t i = 0; i < length; ++i)
                text += standInFor(in[i]);
        } else {
            text += decoded;
        }
        in += length;
        inLeft -= length;
    }
}

// Bytes with which no character of `codePage` starts, alone or followed by others: a run of
// them is kept without asking iconv about each one.
std::array<bool, 256> bytesStartingNothing(Converter &converter)
{
    std::array<bool, 256> startsNothing{};
    for (int byte = 0; byte < 256; ++byte) {
        const char single = char(byte);
        const char *in = &single;
        size_t inLeft = 1;
        QString decoded;
        converter.reset();
        startsNothing[size_t(byte)] = converter.convert(in, inLeft, decoded) == EILSEQ;
    }
    converter.reset();
    return startsNothing;
}

// Decodes into one growing text, so that many undecodable bytes cost no more than many
// good ones.
KeptDecoding decodeKeepingBytes(QByteArrayView bytes, const QByteArray &codePage)
{
    KeptDecoding result;
    Converter converter(nativeUtf16(), readerFor(codePage));
    const std::array<bool, 256> startsNothing = bytesStartingNothing(converter);
    const char *in = bytes.data();
    const char *const end = in + bytes.size();
    while (in < end) {
        const char *runStart = in;
        size_t inLeft = size_t(end - in);
        const qsizetype runTextStart = result.text.size();
        const int error = converter.convert(in, inLeft, result.text);
        const QStringView run = QStringView(result.text).sliced(runTextStart);
        if (std::any_of(run.cbegin(), run.cend(), isStandIn)) {
            result.text.truncate(runTextStart);
            appendEscapingStandIns(converter, runStart, size_t(in - runStart), result.text);
        }
        if (error == 0)
            break;
        do {
            result.text += standInFor(*in++);
            ++result.rawBytes;
        } while (in < end && startsNothing[quint8(*in)]);
        converter.reset();
    }
    result.text.squeeze();
    return result;
}

// CP932 documents also remember the form of each character that has two, ISO-2022-JP
// documents the escapes they switch with.
Decoded decoded(QString text, const QByteArray &codePage, QByteArrayView bytes)
{
    Decoded result{std::move(text), {}};
    result.encoding.codePage = codePage;
    if (codePage == Cp932)
        cp932forms::remember(bytes.toByteArray(), result.text, result.encoding);
    if (codePage == Iso2022Jp)
        result.encoding.iso2022JpEscapes = iso2022jp::escapesOf(bytes.toByteArray());
    return result;
}

Decoded keptDecoded(KeptDecoding kept, const QByteArray &codePage, QByteArrayView bytes)
{
    Decoded result = decoded(std::move(kept.text), codePage, bytes);
    result.encoding.keepsRawBytes = true;
    return result;
}

// `bytes` in `codePage`, keeping the bytes it does not decode.
Decoded decodeIn(QByteArrayView bytes, const QByteArray &codePage)
{
    std::optional<QString> text = decodeStrictly(bytes, codePage);
    return text ? decoded(std::move(*text), codePage, bytes)
                : keptDecoded(decodeKeepingBytes(bytes, codePage), codePage, bytes);
}

Decoded decodeAfterMark(const QByteArray &bytes, const ByteOrderMark &mark)
{
    Decoded result = decodeIn(QByteArrayView(bytes).sliced(mark.bytes.size()), mark.codePage);
    result.encoding.byteOrderMark = true;
    return result;
}

// Code pages in which every character that decodes encodes back to its own bytes (CP932
// once its second forms are remembered): text that decodes whole in one of them saves back
// byte for byte, so the open need not encode it again to find out.
bool readsBackExactly(const QByteArray &codePage)
{
    return codePage == Utf8 || codePage == Cp932 || codePage == EucJp || codePage == Utf16Le ||
           codePage == Utf16Be;
}

// `bytes` in `codePage`, when they decode whole and the text encodes back to the same
// bytes: a stateful code page may read escapes it would write otherwise.
std::optional<Decoded> decodeExactly(const QByteArray &bytes, const QByteArray &codePage)
{
    std::optional<QString> text = decodeStrictly(bytes, codePage);
    if (!text)
        return std::nullopt;
    Decoded result = decoded(std::move(*text), codePage, bytes);
    if (!readsBackExactly(codePage) && encode(result.text, result.encoding).bytes != bytes)
        return std::nullopt;
    return result;
}

// Many bytes read both as CP932 and as EUC-JP; the wrong one gives half-width katakana and
// rare symbols where the right one gives kana and common kanji.
std::optional<Decoded> moreJapanese(std::optional<Decoded> cp932, std::optional<Decoded> eucJp)
{
    if (cp932 && eucJp &&
        encodingclues::japaneseLikeness(eucJp->text) > encodingclues::japaneseLikeness(cp932->text))
        return eucJp;
    return cp932 ? cp932 : eucJp;
}

Decoded decodeUndecodable(const QByteArray &bytes, const QByteArray &systemCodePage)
{
    KeptDecoding inSystem = decodeKeepingBytes(bytes, systemCodePage);
    KeptDecoding inCp932 = decodeKeepingBytes(bytes, Cp932);
    if (inCp932.rawBytes < inSystem.rawBytes)
        return keptDecoded(std::move(inCp932), Cp932, bytes);
    return keptDecoded(std::move(inSystem), systemCodePage, bytes);
}

} // namespace

QByteArray forCharset(const QByteArray &charset)
{
    if (charset.isEmpty() || charset == "ANSI_X3.4-1968" || charset == "ASCII")
        return Utf8;
    return charset;
}

QByteArray system()
{
    static const QByteArray codePage = [] {
        QByteArray charset;
        if (locale_t locale = newlocale(LC_CTYPE_MASK, "", locale_t(nullptr))) {
            charset = nl_langinfo_l(CODESET, locale);
            freelocale(locale);
        }
        const QByteArray candidate = forCharset(charset);
        return isKnown(candidate) ? candidate : QByteArray(Utf8);
    }();
    return codePage;
}

QByteArray effectiveCodePage(const TextEncoding &encoding)
{
    return encoding.codePage.isEmpty() ? system() : encoding.codePage;
}

Decoded decode(const QByteArray &bytes)
{
    if (const ByteOrderMark *mark = markOf(bytes))
        return decodeAfterMark(bytes, *mark);
    const std::optional<QByteArray> iso2022Jp = encodingclues::looksLikeIso2022Jp(bytes)
                                                    ? std::optional(QByteArray(Iso2022Jp))
                                                    : std::nullopt;
    const QByteArray systemCodePage = system();
    for (const std::optional<QByteArray> &codePage :
         {encodingclues::declaredCodePage(bytes), iso2022Jp, encodingclues::utf16ByZeroBytes(bytes),
          std::optional(QByteArray(Utf8)), std::optional(systemCodePage)}) {
        if (std::optional<Decoded> result =
                codePage ? decodeExactly(bytes, *codePage) : std::nullopt)
            return std::move(*result);
    }
    if (std::optional<Decoded> result =
            moreJapanese(decodeExactly(bytes, Cp932), decodeExactly(bytes, EucJp)))
        return std::move(*result);
    return decodeUndecodable(bytes, systemCodePage);
}

Decoded decodeAs(const QByteArray &bytes, const QByteArray &codePage)
{
    const ByteOrderMark *mark = markOf(bytes);
    if (mark && codePage == mark->codePage)
        return decodeAfterMark(bytes, *mark);
    return decodeIn(bytes, codePage);
}

Encoded encode(QStringView text, const TextEncoding &encoding)
{
    if (effectiveCodePage(encoding) == Iso2022Jp)
        return iso2022jp::encode(text, encoding);
    Converter converter(effectiveCodePage(encoding).constData(), nativeUtf16());
    Encoded result;
    if (!converter.isValid()) {
        result.unencodableAt = 0;
        return result;
    }
    if (encoding.byteOrderMark)
        result.bytes = markFor(effectiveCodePage(encoding)).toByteArray();
    // Kept bytes and remembered CP932 forms go out as they came in, past iconv.
    const auto isWrittenAsItCame = [&encoding](QChar c) {
        return (encoding.keepsRawBytes && isStandIn(c)) ||
               (!encoding.cp932Forms.isEmpty() && encoding.cp932Forms.contains(c.unicode()));
    };
    const char *base = reinterpret_cast<const char *>(text.data());
    qsizetype position = 0;
    while (position < text.size()) {
        const auto runEnd = std::find_if(text.cbegin() + position, text.cend(), isWrittenAsItCame);
        const char *in = base + position * 2;
        size_t inLeft = size_t(runEnd - text.cbegin() - position) * 2;
        if (inLeft > 0 && converter.convert(in, inLeft, result.bytes) != 0) {
            result.unencodableAt = (in - base) / 2;
            return result;
        }
        position = runEnd - text.cbegin();
        if (runEnd == text.cend())
            break;
        if (const quint16 form = encoding.cp932Forms.value(runEnd->unicode()))
            result.bytes.append(char(form >> 8)).append(char(form & 0xFF));
        else
            result.bytes += rawbytes::byteFor(*runEnd);
        ++position;
    }
    converter.finish(result.bytes);
    return result;
}

// The text is tried in slices, so that many such characters in a long text cost a short
// conversion each rather than one of the whole rest.
std::vector<qsizetype> unencodableOffsets(QStringView text, const TextEncoding &encoding)
{
    constexpr qsizetype SliceLength = 4096;
    std::vector<qsizetype> offsets;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = std::min(start + SliceLength, text.size());
        if (end < text.size() && text[end - 1].isHighSurrogate())
            ++end;
        for (qsizetype at = start; at < end;) {
            const Encoded rest = encode(text.sliced(at, end - at), encoding);
            if (rest.ok())
                break;
            at += rest.unencodableAt;
            offsets.push_back(at);
            const bool pair =
                text[at].isHighSurrogate() && at + 1 < end && text[at + 1].isLowSurrogate();
            at += pair ? 2 : 1;
        }
        start = end;
    }
    return offsets;
}

} // namespace codepage
