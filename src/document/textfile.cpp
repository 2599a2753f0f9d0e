#include "document/textfile.h"

#include "codepage/codepage.h"

LoadedText readTextWhole(const QString &path, qint64 maxBytes)
{
    const platform::FileReadResult read = platform::readWholeFile(path, maxBytes);
    if (!read.ok())
        return {{}, {}, read.failure, read.reason};
    codepage::Decoded decoded = codepage::decode(read.bytes);
    LoadedText loaded;
    loaded.text = std::move(decoded.text);
    loaded.encoding = std::move(decoded.encoding);
    return loaded;
}
