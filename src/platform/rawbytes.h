#pragma once

// Bytes a code page cannot decode stay in a document's text as stand-in characters from the
// private use area, one per byte (U+EF80 to U+EFFF for the bytes 0x80 to 0xFF, and U+EF00
// upwards below them), and go out again as the same bytes.

#include <QChar>

namespace rawbytes {

inline constexpr char16_t FirstStandIn = 0xEF80;
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
