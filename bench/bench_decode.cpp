// Reading and writing 10 MB files in the code-page layer alone: a UTF-8 file, a CP932 file,
// a file no code page decodes (every byte 0xFF) and a UTF-8 file with a bad byte on every
// line. Files with undecodable bytes should cost about what a good file costs. Each case is
// decoded and encoded back, and must come back byte for byte.
//
//   bench_decode [runs]        default 3 runs; prints the median of each

#include "codepage/codepage.h"
#include "support/benchsupport.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr qint64 Size = 10 * 1000 * 1000;

QByteArray withBadByteEveryLine(const QByteArray &utf8)
{
    QByteArray bytes = utf8;
    bytes.replace("\r\n", "\xff\r\n");
    return bytes;
}

void measure(const char *name, const QByteArray &bytes, int runs)
{
    QList<double> decodeMs;
    QList<double> encodeMs;
    bool sameBytes = true;
    QByteArray codePage;
    for (int run = 0; run < runs; ++run) {
        const double start = bench::nowMs();
        const codepage::Decoded decoded = codepage::decode(bytes);
        const double decodedAt = bench::nowMs();
        const codepage::Encoded encoded = codepage::encode(decoded.text, decoded.encoding);
        encodeMs << bench::nowMs() - decodedAt;
        decodeMs << decodedAt - start;
        sameBytes = sameBytes && encoded.bytes == bytes;
        codePage = decoded.encoding.codePage + (decoded.encoding.keepsRawBytes ? " kept" : "");
    }
    std::printf("%-28s %9.1f %9.1f  %-14s %s\n", name, bench::median(decodeMs),
                bench::median(encodeMs), codePage.constData(),
                sameBytes ? "byte for byte" : "CHANGED");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc == 2 ? QByteArray(argv[1]).toInt() : 3;
    const QString text = bench::sampleText(Size);
    const QByteArray utf8 = text.toUtf8();
    std::printf("10 MB file                   decode ms encode ms  read as\n");
    measure("UTF-8", utf8, runs);
    measure("CP932", codepage::encode(text, TextEncoding("CP932")).bytes, runs);
    measure("0xFF bytes only", QByteArray(Size, '\xff'), runs);
    measure("UTF-8, bad byte every line", withBadByteEveryLine(utf8), runs);
    return 0;
}
