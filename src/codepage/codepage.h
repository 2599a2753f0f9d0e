#pragma once

// Text files are bytes in a code page; documents are Unicode. This is the one place that
// converts between the two, through the C library's iconv.
//
// The reader decides how a file's bytes are read and says so in a TextEncoding, which the
// document keeps and saves with, so that an unchanged text goes back byte for byte. Bytes
// no code page decodes are kept (see codepage/rawbytes.h), never replaced.

#include "codepage/textencoding.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace codepage {

inline constexpr char Utf8[] = "UTF-8";
// Windows Shift_JIS: keeps 0x5C and 0x7E as ASCII and holds the vendor extensions that
// plain Shift_JIS lacks.
inline constexpr char Cp932[] = "CP932";
inline constexpr char EucJp[] = "EUC-JP";
inline constexpr char Iso2022Jp[] = "ISO-2022-JP";
inline constexpr char Utf16Le[] = "UTF-16LE";
inline constexpr char Utf16Be[] = "UTF-16BE";

// The code page for a locale's character set name: the name itself, or UTF-8 where the
// locale offers plain ASCII only (the C locale).
QByteArray forCharset(const QByteArray &charset);
// The code page of the user's locale.
QByteArray system();
// The code page `encoding` is written in: its own, or the system's where it has none yet.
QByteArray effectiveCodePage(const TextEncoding &encoding);

struct Decoded {
    QString text;
    TextEncoding encoding;
};

// Reads a file's bytes in the first encoding that reads them whole and writes them back
// the same: the one a byte-order mark names; the one the page declares; ISO-2022-JP for
// seven-bit bytes with its escapes; UTF-16 for bytes with zeros in alternate positions;
// UTF-8; the system code page; the one of CP932 and EUC-JP whose text looks more like
// Japanese. Else in whichever of the system code page and CP932 leaves fewer bytes
// undecoded, keeping those.
Decoded decode(const QByteArray &bytes);

// `bytes` in `codePage`, as the user chose: a byte-order mark of that code page is taken
// as one, and bytes that do not decode are kept.
Decoded decodeAs(const QByteArray &bytes, const QByteArray &codePage);

struct Encoded {
    QByteArray bytes;
    // Offset in the text of the first character the code page cannot hold; -1 when none.
    qsizetype unencodableAt = -1;
    bool ok() const { return unencodableAt < 0; }
};

// Converts `text` as `encoding` says. Never substitutes: a character the code page cannot
// hold stops the conversion and is reported.
Encoded encode(QStringView text, const TextEncoding &encoding);

// The offsets of the characters of `text` that `encoding` cannot hold, in order; a
// surrogate pair is one character, at its first half.
std::vector<qsizetype> unencodableOffsets(QStringView text, const TextEncoding &encoding);

} // namespace codepage
