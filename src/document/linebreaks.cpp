#include "document/linebreaks.h"

namespace {

const QLatin1StringView CrLf("\r\n");

// Whether every CR in `text` starts a CR LF pair.
bool breaksAreCrLf(QStringView text)
{
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', cr + 2)) {
        if (!text.sliced(cr).startsWith(CrLf))
            return false;
    }
    return true;
}

QString rebuiltLines(QStringView text)
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

} // namespace

// Most files already break their lines with CR LF: they keep their string, which spares a
// copy of a large file.
QString linesEndingInCrLf(QString text)
{
    if (!breaksAreCrLf(text))
        return rebuiltLines(text);
    if (!text.isEmpty() && !text.endsWith(CrLf))
        text += CrLf;
    return text;
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
