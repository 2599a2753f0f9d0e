#include "document/textfile.h"

#include <QFile>

namespace {

std::optional<QByteArray> readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString linesWithCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32 + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r'))
            continue;
        out += QStringView(text).mid(lineStart, i - lineStart);
        out += QLatin1String("\r\n");
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size()) {
        out += QStringView(text).mid(lineStart);
        out += QLatin1String("\r\n");
    }
    return out;
}

} // namespace

std::optional<LoadedText> readTextWhole(const QString &path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return LoadedText{QString::fromUtf8(*bytes), QByteArrayLiteral("UTF-8")};
}

std::optional<LoadedText> readTextLines(const QString &path)
{
    std::optional<LoadedText> whole = readTextWhole(path);
    if (whole)
        whole->text = linesWithCrLf(whole->text);
    return whole;
}
