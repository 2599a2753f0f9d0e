#include "textmodel/linebreaks.h"

#include <algorithm>
#include <array>

namespace {

// Calls `found(kind, lineEnd)` for every break of `text` in order; `lineEnd` is the index of
// its first character. A CR directly followed by LF is one break, as the widget counts it.
template <typename Found> void forEachBreak(QStringView text, Found found)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n') {
            found(LineBreak::Lf, i);
        } else if (c == u'\r') {
            const bool pair = i + 1 < n && text[i + 1] == u'\n';
            found(pair ? LineBreak::CrLf : LineBreak::Cr, i);
            i += pair ? 1 : 0;
        }
    }
}

} // namespace

QLatin1StringView breakText(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::Lf:
        return QLatin1StringView("\n");
    case LineBreak::Cr:
        return QLatin1StringView("\r");
    case LineBreak::CrLf:
        break;
    }
    return QLatin1StringView("\r\n");
}

LineBreaks lineBreaksOf(QStringView text)
{
    LineBreaks breaks;
    std::array<qsizetype, 3> counts{};
    qsizetype lineStart = 0;
    forEachBreak(text, [&](LineBreak kind, qsizetype lineEnd) {
        breaks.perLine.push_back(kind);
        ++counts[std::size_t(kind)];
        breaks.longestLine = std::max(breaks.longestLine, lineEnd - lineStart);
        lineStart = lineEnd + breakText(kind).size();
    });
    breaks.longestLine = std::max(breaks.longestLine, text.size() - lineStart);
    for (const LineBreak kind : {LineBreak::Lf, LineBreak::Cr}) {
        if (counts[std::size_t(kind)] > counts[std::size_t(breaks.mostCommon)])
            breaks.mostCommon = kind;
    }
    return breaks;
}

QString withAllBreaks(QStringView text, LineBreak lineBreak)
{
    QString out;
    out.reserve(text.size());
    qsizetype lineStart = 0;
    forEachBreak(text, [&](LineBreak kind, qsizetype lineEnd) {
        out += text.sliced(lineStart, lineEnd - lineStart);
        out += breakText(lineBreak);
        lineStart = lineEnd + breakText(kind).size();
    });
    out += text.sliced(lineStart);
    return out;
}

bool endsWithLineBreak(QStringView text)
{
    return text.endsWith(u'\n') || text.endsWith(u'\r');
}

qsizetype countLineBreaks(QStringView text)
{
    qsizetype count = 0;
    forEachBreak(text, [&count](LineBreak, qsizetype) { ++count; });
    return count;
}
