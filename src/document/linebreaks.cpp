#include "document/linebreaks.h"

namespace {

const QLatin1StringView CrLf("\r\n");

} // namespace

QString linesEndingInCrLf(QStringView text)
{
    QString lines;
    lines.reserve(text.size() + text.size() / 32 + 2);
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf(u'\r', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        lines += text.sliced(lineStart, lineEnd - lineStart);
        lines += CrLf;
        lineStart = lineEnd + 1;
        if (text.sliced(lineEnd).startsWith(CrLf))
            ++lineStart;
    }
    return lines;
}

QString withCrLfBreaks(const QString &text)
{
    QString converted;
    converted.reserve(text.size() + text.count(u'\n'));
    QChar previous;
    for (const QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            converted += u'\r';
        converted += c;
        previous = c;
    }
    return converted;
}
