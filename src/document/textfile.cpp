#include "document/textfile.h"

#include "platform/codepage.h"

#include <QFile>

namespace {

std::optional<QByteArray> readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<LoadedText> readTextWhole(const QString &path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    codepage::Decoded decoded = codepage::decode(*bytes);
    return LoadedText{std::move(decoded.text), std::move(decoded.codePage)};
}
