#include "preview/previewprotocol.h"

#include <array>

namespace PreviewProtocol {
namespace {

struct Word {
    Kind kind;
    QByteArrayView word;
    bool hasArgument;
};

constexpr std::array words{
    Word{Kind::Navigate, "navigate", true},    Word{Kind::GoBack, "back", false},
    Word{Kind::GoForward, "forward", false},   Word{Kind::Refresh, "refresh", false},
    Word{Kind::Stop, "stop", false},           Word{Kind::Raise, "raise", false},
    Word{Kind::LoadSucceeded, "loaded", true}, Word{Kind::LoadFailed, "failed", true},
    Word{Kind::Title, "title", true},
};

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<QString> unescaped(QByteArrayView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

} // namespace

QByteArray encode(const Message &message)
{
    for (const Word &w : words) {
        if (w.kind != message.kind)
            continue;
        QByteArray line = w.word.toByteArray();
        if (w.hasArgument)
            line += ' ' + escaped(message.argument);
        return line + '\n';
    }
    return {};
}

std::optional<Message> decode(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    const qsizetype space = line.indexOf(' ');
    const QByteArrayView word = QByteArrayView(line).first(space < 0 ? line.size() : space);
    for (const Word &w : words) {
        if (w.word != word || w.hasArgument != (space >= 0))
            continue;
        if (!w.hasArgument)
            return Message{w.kind, QString()};
        if (const std::optional<QString> argument =
                unescaped(QByteArrayView(line).sliced(space + 1)))
            return Message{w.kind, *argument};
    }
    return std::nullopt;
}

} // namespace PreviewProtocol
