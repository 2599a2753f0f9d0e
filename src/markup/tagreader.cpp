#include "markup/tagreader.h"

#include "textview/htmlnames.h"

#include <QHash>

namespace {

bool isTagBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isNameChar(QChar c)
{
    return !isTagBlank(c) && c != u'>' && c != u'/' && c != u'=' && c != u'<';
}

class TagParser {
public:
    TagParser(const QString &text, qsizetype start) : text_(text), at_(start + 1)
    {
        tag_.start = start;
    }

    // The tag that starts at its `<`, or null where none is closed.
    std::optional<StartTag> parse()
    {
        if (at_ >= text_.size() || !text_.at(at_).isLetter())
            return std::nullopt;
        tag_.name = readName();
        while (true) {
            skipBlanks();
            if (at_ >= text_.size() || text_.at(at_) == u'<')
                return std::nullopt;
            const QChar c = text_.at(at_);
            if (c == u'>') {
                tag_.length = at_ + 1 - tag_.start;
                return tag_;
            }
            if (c == u'/' || c == u'=') {
                ++at_;
                continue;
            }
            if (!readAttribute())
                return std::nullopt;
        }
    }

private:
    QString readName()
    {
        const qsizetype from = at_;
        while (at_ < text_.size() && isNameChar(text_.at(at_)))
            ++at_;
        return text_.mid(from, at_ - from);
    }

    void skipBlanks()
    {
        while (at_ < text_.size() && isTagBlank(text_.at(at_)))
            ++at_;
    }

    bool readAttribute()
    {
        const qsizetype from = at_;
        TagAttribute attribute{readName(), {}, false, from, at_ - from};
        skipBlanks();
        if (at_ < text_.size() && text_.at(at_) == u'=') {
            ++at_;
            skipBlanks();
            const std::optional<QString> value = readValue();
            if (!value)
                return false;
            attribute.value = decodeCharacterReferences(*value);
            attribute.hasValue = true;
            attribute.length = at_ - from;
        }
        tag_.attributes << attribute;
        return true;
    }

    std::optional<QString> readValue()
    {
        if (at_ >= text_.size())
            return std::nullopt;
        const QChar quote = text_.at(at_);
        if (quote == u'"' || quote == u'\'') {
            const qsizetype end = text_.indexOf(quote, at_ + 1);
            if (end < 0)
                return std::nullopt;
            const QString value = text_.mid(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            return value;
        }
        const qsizetype from = at_;
        while (at_ < text_.size() && !isTagBlank(text_.at(at_)) && text_.at(at_) != u'>')
            ++at_;
        return text_.mid(from, at_ - from);
    }

    const QString &text_;
    qsizetype at_;
    StartTag tag_;
};

const QHash<QString, QChar> &namedReferences()
{
    static const QHash<QString, QChar> names{
        {QStringLiteral("amp"), u'&'},
        {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''},
        {QStringLiteral("nbsp"), QChar(0x00A0)},
        {QStringLiteral("copy"), QChar(0x00A9)},
        {QStringLiteral("reg"), QChar(0x00AE)},
        {QStringLiteral("yen"), QChar(0x00A5)},
    };
    return names;
}

// The characters a reference between `&` and `;` stands for, or nothing when it is none.
QString referenced(QStringView body)
{
    if (body.startsWith(u'#')) {
        const bool hex = body.size() > 1 && (body.at(1) == u'x' || body.at(1) == u'X');
        bool ok = false;
        const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return {};
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    const auto found = namedReferences().constFind(body.toString());
    return found == namedReferences().cend() ? QString() : QString(*found);
}

} // namespace

const TagAttribute *StartTag::attribute(QStringView wanted) const
{
    for (const TagAttribute &a : attributes) {
        if (a.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &a;
    }
    return nullptr;
}

bool StartTag::isUpperCase() const
{
    return HtmlNames::isUpperCase(name);
}

std::optional<StartTag> startTagAt(const QString &text, qsizetype offset, qsizetype reach)
{
    if (offset < 0 || offset > text.size())
        return std::nullopt;
    // The earliest `<` whose tag holds the caret: a `<` inside a quoted value of that tag
    // starts a shorter "tag" that holds it too, and must not win.
    const qsizetype from = std::max<qsizetype>(0, offset - reach);
    std::optional<StartTag> found;
    for (qsizetype at = offset - 1; at >= from; --at) {
        if (text.at(at) != u'<')
            continue;
        const std::optional<StartTag> tag = TagParser(text, at).parse();
        if (tag && offset > tag->start && offset <= tag->start + tag->length)
            found = tag;
    }
    return found;
}

QString decodeCharacterReferences(const QString &value)
{
    QString decoded;
    decoded.reserve(value.size());
    for (qsizetype at = 0; at < value.size(); ++at) {
        const qsizetype end = value.at(at) == u'&' ? value.indexOf(u';', at + 1) : -1;
        const QString character = end > at + 1 && end - at <= 10
                                      ? referenced(QStringView(value).mid(at + 1, end - at - 1))
                                      : QString();
        if (character.isEmpty()) {
            decoded += value.at(at);
            continue;
        }
        decoded += character;
        at = end;
    }
    return decoded;
}
