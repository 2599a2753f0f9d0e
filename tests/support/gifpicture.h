#pragma once

// A one-colour GIF of a given size, made byte by byte: Qt reads GIF but cannot write it.

#include <QByteArray>

inline QByteArray gifPicture(quint16 width, quint16 height)
{
    auto word = [](quint16 value) { return QByteArray(1, char(value)) + char(value >> 8); };
    QByteArray gif = "GIF89a" + word(width) + word(height) +
                     QByteArray("\x80\0\0\0\0\0\xFF\xFF\xFF", 9) + ',' + word(0) + word(0) +
                     word(width) + word(height) + '\0' + '\x02';
    // Three-bit codes, lowest bit first: a clear code (4) before every two pixels (0) keeps
    // the code width from growing; the end code (5) closes the data.
    QByteArray codes;
    quint32 bits = 0, count = 0;
    auto put = [&](quint32 code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            codes += char(bits);
    };
    for (quint32 pixel = 0; pixel < quint32(width) * height; ++pixel) {
        if (pixel % 2 == 0)
            put(4);
        put(0);
    }
    put(5);
    codes += char(bits);
    for (qsizetype at = 0; at < codes.size(); at += 255)
        gif += char(codes.mid(at, 255).size()) + codes.mid(at, 255);
    return gif + '\0' + ';';
}
