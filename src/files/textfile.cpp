#include "files/textfile.h"

#include "codepage/codepage.h"

namespace {

template <typename Decode> LoadedText readText(const QString &path, qint64 maxBytes, Decode decode)
{
    const platform::FileReadResult read = platform::readWholeFile(path, maxBytes);
    if (!read.ok())
        return {{}, {}, read.failure, read.reason};
    codepage::Decoded decoded = decode(read.bytes);
    LoadedText loaded;
    loaded.text = std::move(decoded.text);
    loaded.encoding = std::move(decoded.encoding);
    return loaded;
}

} // namespace

LoadedText readTextWhole(const QString &path, qint64 maxBytes)
{
    return readText(path, maxBytes,
                    [](const QByteArray &bytes) { return codepage::decode(bytes); });
}

LoadedText readTextAs(const QString &path, const QByteArray &codePage)
{
    return readText(path, platform::MaxFileBytes, [&codePage](const QByteArray &bytes) {
        return codepage::decodeAs(bytes, codePage);
    });
}
