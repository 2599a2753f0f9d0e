#pragma once

// How a document's text is stored in its file. The reader fills one in when it decides how
// to read the bytes; the document keeps it and is saved with it, so that a text nobody
// changed is written back byte for byte. Everything a save needs beyond the text is here,
// and nothing else: it is what the status bar shows about a document's file.

#include <QByteArray>
#include <QHash>

struct TextEncoding {
    TextEncoding() = default;
    explicit TextEncoding(QByteArray page) : codePage(std::move(page)) {}

    // The iconv code page ("UTF-8", "CP932", "EUC-JP", "ISO-2022-JP", "UTF-16LE", ...);
    // empty for a document that has no file yet, which is saved in the system's.
    QByteArray codePage;
    // The file starts with a byte-order mark. The mark is not part of the text; it is
    // written again in front of it.
    bool byteOrderMark = false;
    // Some bytes did not decode in the code page: each is in the text as a stand-in
    // character (U+EF00 to U+EFFF) and is written back as the same byte.
    bool keepsRawBytes = false;
    // CP932 writes some characters two ways (NEC row 13 against the IBM extensions, the
    // NEC-selected IBM extensions against the IBM ones). The characters this file writes
    // in another form than the standard one, with the two bytes it uses.
    QHash<char16_t, quint16> cp932Forms;
    // ISO-2022-JP has older twins of two escapes; a file that switches with them is written
    // with them again.
    struct Iso2022JpEscapes {
        // Back to Roman letters with JIS-Roman's ESC ( J rather than ASCII's ESC ( B.
        bool jisRoman = false;
        // Into kanji with ESC $ @ (JIS C 6226) rather than ESC $ B.
        bool oldKanji = false;
        friend bool operator==(const Iso2022JpEscapes &, const Iso2022JpEscapes &) = default;
    };
    Iso2022JpEscapes iso2022JpEscapes;

    friend bool operator==(const TextEncoding &, const TextEncoding &) = default;
};
