#pragma once

// A GIF picture of a given size, made byte by byte (Qt reads GIF but cannot write it).

#include <QByteArray>

// A `width` x `height` GIF of one black colour. The pixel data is LZW-coded in the simplest
// valid way: a clear code before every pair of pixels keeps every code three bits wide.
inline QByteArray gifPicture(quint16 width, quint16 height)
{
    auto little = [](quint16 value) {
        const char bytes[] = {char(value & 0xFF), char(value >> 8)};
        return QByteArray(bytes, 2);
    };
    QByteArray gif = QByteArray("GIF89a") + little(width) + little(height);
    gif += QByteArray("\x80\x00\x00", 3);             // a two-colour global table follows
    gif += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6); // black, white
    gif += ',' + little(0) + little(0) + little(width) + little(height) + '\0';
    gif += '\x02'; // minimum code size: 2 bits, so clear is 4, end is 5, codes are 3 bits

    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    auto put = [&](quint32 code) {
        bits |= code << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            codes += char(bits & 0xFF);
            bits >>= 8;
            bitCount -= 8;
        }
    };
    const quint32 pixels = quint32(width) * height;
    for (quint32 pixel = 0; pixel < pixels; pixel += 2) {
        put(4);
        put(0);
        if (pixel + 1 < pixels)
            put(0);
    }
    put(5);
    if (bitCount > 0)
        codes += char(bits & 0xFF);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size()) + block;
    }
    return gif + '\0' + ';';
}
