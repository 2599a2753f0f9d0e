#pragma once

// Text files are bytes in a code page; documents are Unicode. This is the one place that
// converts between the two, through the C library's iconv.
//
// A document remembers the code page its file was read in and is saved back in it. A file
// whose bytes its code page cannot decode keeps those bytes: each one comes in as a stand-in
// character (U+EF80 to U+EFFF, from the private use area) and goes out again as the same byte,
// so a save never turns them into other characters. Such a document carries the code page
// name with RawBytesSuffix appended.

#include <QByteArray>
#include <QString>

namespace codepage {

inline constexpr char RawBytesSuffix[] = "+raw";
inline constexpr char Utf8[] = "UTF-8";
// Windows Shift_JIS: keeps 0x5C and 0x7E as ASCII and holds the vendor extensions that
// plain Shift_JIS lacks.
inline constexpr char Cp932[] = "CP932";

// The code page for a locale's character set name: the name itself, or UTF-8 where the
// locale offers plain ASCII only (the C locale).
QByteArray forCharset(const QByteArray &charset);
// The code page of the user's locale.
QByteArray system();

struct Decoded {
    QString text;
    QByteArray codePage;
};

// Reads a file's bytes: in the system code page when they are valid there, else in CP932
// when valid there, else in whichever of the two leaves fewer bytes undecoded, keeping those.
Decoded decode(const QByteArray &bytes);

struct Encoded {
    QByteArray bytes;
    // Offset in the text of the first character the code page cannot hold; -1 when none.
    qsizetype unencodableAt = -1;
    bool ok() const { return unencodableAt < 0; }
};

// The iconv code page a document's code page name stands for: without RawBytesSuffix, and
// the system's where a document has none yet.
QByteArray baseName(const QByteArray &codePage);

// Converts `text` to `codePage` (a name as decode() gives it). Never substitutes: a
// character the code page cannot hold stops the conversion and is reported.
Encoded encode(const QString &text, const QByteArray &codePage);

} // namespace codepage
