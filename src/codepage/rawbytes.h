#pragma once

// Bytes a code page cannot decode stay in a document's text as stand-in characters from the
// private use area, one per byte (U+EF00 to U+EFFF for the bytes 0x00 to 0xFF), and go out
// again as the same bytes. Below 0x80 only UTF-16 leaves bytes undecoded.

#include <QChar>

namespace rawbytes {

inline constexpr char16_t FirstStandIn = 0xEF00;
inline constexpr char16_t LastStandIn = 0xEFFF;

inline bool isStandIn(QChar c)
{
    return c.unicode() >= FirstStandIn && c.unicode() <= LastStandIn;
}
inline QChar standInFor(char byte)
{
    return QChar(char16_t(0xEF00 + quint8(byte)));
}
inline char byteFor(QChar standIn)
{
    return char(standIn.unicode() - 0xEF00);
}

} // namespace rawbytes
