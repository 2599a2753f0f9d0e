#include "codepage/cp932forms.h"

#include "codepage/codepage.h"
#include "codepage/iconvconverter.h"
#include "codepage/rawbytes.h"

#include <optional>

namespace cp932forms {
namespace {

using codepage::Converter;
using codepage::nativeUtf16;

bool isLeadByte(quint8 byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Every character with more than one form, with the form iconv writes.
using FormTable = QHash<char16_t, quint16>;

std::optional<char16_t> decodePair(Converter &decoder, quint16 pair)
{
    const char bytes[2] = {char(pair >> 8), char(pair & 0xFF)};
    const char *in = bytes;
    size_t inLeft = 2;
    QString decoded;
    decoder.reset();
    if (decoder.convert(in, inLeft, decoded) != 0 || decoded.size() != 1)
        return std::nullopt;
    return decoded.front().unicode();
}

std::optional<quint16> encodePair(Converter &encoder, char16_t character)
{
    const char *in = reinterpret_cast<const char *>(&character);
    size_t inLeft = sizeof character;
    QByteArray encoded;
    encoder.reset();
    if (encoder.convert(in, inLeft, encoded) != 0 || encoded.size() != 2)
        return std::nullopt;
    return quint16(quint8(encoded[0]) << 8 | quint8(encoded[1]));
}

// Built from iconv itself: every valid byte pair whose character iconv writes back as
// another pair.
FormTable buildTable()
{
    FormTable table;
    Converter decoder(nativeUtf16(), codepage::Cp932);
    Converter encoder(codepage::Cp932, nativeUtf16());
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(quint8(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const quint16 pair = quint16(lead << 8 | trail);
            const std::optional<char16_t> character = decodePair(decoder, pair);
            const std::optional<quint16> standard =
                character ? encodePair(encoder, *character) : std::nullopt;
            if (standard && *standard != pair)
                table.insert(*character, *standard);
        }
    }
    return table;
}

const FormTable &formTable()
{
    static const FormTable table = buildTable();
    return table;
}

} // namespace

void remember(const QByteArray &bytes, QString &text, TextEncoding &encoding)
{
    const FormTable &table = formTable();
    QHash<char16_t, quint16> firstForm;
    QString kept;
    qsizetype character = 0;
    qsizetype copiedUpTo = 0;
    for (qsizetype i = 0; i < bytes.size() && character < text.size(); ++character) {
        const QChar c = text[character];
        const bool isPair =
            !rawbytes::isStandIn(c) && isLeadByte(quint8(bytes[i])) && i + 1 < bytes.size();
        const qsizetype length = isPair ? 2 : 1;
        if (isPair && table.contains(c.unicode())) {
            const quint16 form = quint16(quint8(bytes[i]) << 8 | quint8(bytes[i + 1]));
            const quint16 first = firstForm.value(c.unicode(), form);
            firstForm.insert(c.unicode(), first);
            if (form != first) {
                kept += QStringView(text).sliced(copiedUpTo, character - copiedUpTo);
                kept += rawbytes::standInFor(bytes[i]);
                kept += rawbytes::standInFor(bytes[i + 1]);
                copiedUpTo = character + 1;
                encoding.keepsRawBytes = true;
            }
        }
        i += length;
    }
    for (auto form = firstForm.cbegin(); form != firstForm.cend(); ++form) {
        if (form.value() != table.value(form.key()))
            encoding.cp932Forms.insert(form.key(), form.value());
    }
    if (copiedUpTo > 0) {
        kept += QStringView(text).sliced(copiedUpTo);
        text = std::move(kept);
    }
}

} // namespace cp932forms
