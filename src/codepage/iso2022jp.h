#pragma once

// ISO-2022-JP in the forms pages use: ASCII (ESC ( B), JIS-Roman (ESC ( J), half-width
// katakana (ESC ( I) and JIS X 0208 kanji (ESC $ B, or the older ESC $ @). The C library's
// ISO-2022-JP-3 reads all of them; this writes them, switching with the escapes the file
// used, so an unchanged page goes back byte for byte.

#include "codepage/codepage.h"

namespace iso2022jp {

// The code page that reads every form.
inline constexpr char Reader[] = "ISO-2022-JP-3";

// Which of the older escapes `bytes` switch with, where they use them more than the
// standard ones.
TextEncoding::Iso2022JpEscapes escapesOf(const QByteArray &bytes);

// `text` in ISO-2022-JP with the escapes `encoding` remembers. JIS X 0213 is not written:
// browsers read only the sets above.
codepage::Encoded encode(QStringView text, const TextEncoding &encoding);

} // namespace iso2022jp
