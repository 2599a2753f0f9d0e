#include "platform/codepage.h"

#include <QSysInfo>

#include <algorithm>
#include <optional>

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace codepage {
namespace {

constexpr char16_t FirstStandIn = 0xEF80;
constexpr char16_t LastStandIn = 0xEFFF;

bool isStandIn(QChar c) { return c.unicode() >= FirstStandIn && c.unicode() <= LastStandIn; }
QChar standInFor(char byte) { return QChar(char16_t(0xEF00 + quint8(byte))); }
char byteFor(QChar standIn) { return char(standIn.unicode() - 0xEF00); }

const char *nativeUtf16()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

// One iconv conversion descriptor for the lifetime of a call.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (isValid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const { return cd_ != iconv_t(-1); }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

    // Converts as much of [in, in + inLeft) as it can, appending to `out` (QByteArray for
    // bytes, QString for UTF-16). Returns 0 when everything was converted, else the errno
    // that stopped it (EILSEQ or EINVAL); `in`/`inLeft` then point at the offending input.
    template <typename Buffer> int convert(const char *&in, size_t &inLeft, Buffer &out)
    {
        constexpr qsizetype unit = sizeof(typename Buffer::value_type);
        while (true) {
            const qsizetype used = out.size();
            out.resize(used + (qsizetype(inLeft) * 2 + 16) / unit);
            char *outPtr = reinterpret_cast<char *>(out.data() + used);
            size_t outLeft = size_t(out.size() - used) * unit;
            char *inPtr = const_cast<char *>(in);
            const size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = result == size_t(-1) ? errno : 0;
            in = inPtr;
            out.resize(out.size() - qsizetype(outLeft) / unit);
            if (error != E2BIG)
                return error;
        }
    }

    // Writes whatever shift sequence a stateful code page needs at the end.
    void finish(QByteArray &out)
    {
        char buffer[16];
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, qsizetype(sizeof buffer - outLeft));
    }

private:
    iconv_t cd_;
};

bool isKnown(const QByteArray &codePage)
{
    return Converter(nativeUtf16(), codePage.constData()).isValid();
}

// The whole of `bytes` in `codePage`, or nothing when any byte does not decode.
std::optional<QString> decodeStrictly(const QByteArray &bytes, const QByteArray &codePage)
{
    Converter converter(nativeUtf16(), codePage.constData());
    if (!converter.isValid())
        return std::nullopt;
    const char *in = bytes.constData();
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

KeptDecoding decodeKeepingBytes(const QByteArray &bytes, const QByteArray &codePage)
{
    KeptDecoding result;
    Converter converter(nativeUtf16(), codePage.constData());
    const char *in = bytes.constData();
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        const char *runStart = in;
        QString run;
        const int error = converter.convert(in, inLeft, run);
        if (std::any_of(run.cbegin(), run.cend(), isStandIn))
            appendEscapingStandIns(converter, runStart, size_t(in - runStart), result.text);
        else
            result.text += run;
        if (error != 0) {
            result.text += standInFor(*in);
            ++result.rawBytes;
            ++in;
            --inLeft;
            converter.reset();
        }
    }
    return result;
}

Decoded decodeUndecodable(const QByteArray &bytes, const QByteArray &systemCodePage)
{
    KeptDecoding inSystem = decodeKeepingBytes(bytes, systemCodePage);
    KeptDecoding inCp932 = decodeKeepingBytes(bytes, Cp932);
    if (inCp932.rawBytes < inSystem.rawBytes)
        return {std::move(inCp932.text), QByteArray(Cp932) + RawBytesSuffix};
    return {std::move(inSystem.text), systemCodePage + RawBytesSuffix};
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

Decoded decode(const QByteArray &bytes)
{
    const QByteArray systemCodePage = system();
    if (std::optional<QString> text = decodeStrictly(bytes, systemCodePage))
        return {std::move(*text), systemCodePage};
    if (std::optional<QString> text = decodeStrictly(bytes, Cp932))
        return {std::move(*text), Cp932};
    return decodeUndecodable(bytes, systemCodePage);
}

QByteArray baseName(const QByteArray &codePage)
{
    const QByteArray name = codePage.endsWith(RawBytesSuffix)
                                ? codePage.chopped(qsizetype(sizeof RawBytesSuffix) - 1)
                                : codePage;
    return name.isEmpty() ? system() : name;
}

Encoded encode(const QString &text, const QByteArray &codePage)
{
    const bool keepsRawBytes = codePage.endsWith(RawBytesSuffix);
    Converter converter(baseName(codePage).constData(), nativeUtf16());
    Encoded result;
    if (!converter.isValid()) {
        result.unencodableAt = 0;
        return result;
    }
    const char *base = reinterpret_cast<const char *>(text.constData());
    qsizetype position = 0;
    while (position < text.size()) {
        qsizetype runEnd = position;
        while (runEnd < text.size() && !(keepsRawBytes && isStandIn(text[runEnd])))
            ++runEnd;
        const char *in = base + position * 2;
        size_t inLeft = size_t(runEnd - position) * 2;
        if (converter.convert(in, inLeft, result.bytes) != 0) {
            result.unencodableAt = (in - base) / 2;
            return result;
        }
        if (runEnd < text.size())
            result.bytes += byteFor(text[runEnd++]);
        position = runEnd;
    }
    converter.finish(result.bytes);
    return result;
}

} // namespace codepage
