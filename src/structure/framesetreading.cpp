#include "structure/framesetreading.h"

#include "markup/tagedit.h"

#include <algorithm>

namespace {

bool isNamed(const QString &name, QStringView wanted)
{
    return name.compare(wanted, Qt::CaseInsensitive) == 0;
}

bool isFrameAttribute(const TagAttribute &attribute)
{
    static const QStringList written{QStringLiteral("src"), QStringLiteral("name"),
                                     QStringLiteral("scrolling"), QStringLiteral("noresize")};
    return written.contains(attribute.name, Qt::CaseInsensitive);
}

// The FRAME tags of `content` when it holds nothing else but blanks, each written with no
// attribute the dialog would drop.
std::optional<QList<StartTag>> framesOf(const QString &content)
{
    QList<StartTag> frames;
    qsizetype at = 0;
    for (;;) {
        while (at < content.size() && content.at(at).isSpace())
            ++at;
        if (at == content.size())
            return frames;
        const std::optional<StartTag> tag = startTagAt(content, at + 1, 1);
        if (!tag || tag->start != at || !isNamed(tag->name, u"frame") ||
            !std::all_of(tag->attributes.cbegin(), tag->attributes.cend(), isFrameAttribute))
            return std::nullopt;
        frames.append(*tag);
        at = tag->start + tag->length;
    }
}

QString valueOf(const StartTag &tag, QStringView name)
{
    const TagAttribute *found = tag.attribute(name);
    return found ? found->value : QString();
}

FrameDefinition definitionOf(const StartTag &frame)
{
    return {valueOf(frame, u"src"), valueOf(frame, u"name")};
}

bool holdsQuote(const FrameSetFields &fields)
{
    return QStringList{fields.firstSize,  fields.secondSize, fields.scrolling,  fields.first.url,
                       fields.first.name, fields.second.url, fields.second.name}
        .join(QString())
        .contains(u'\'');
}

} // namespace

std::optional<FrameSetFields> frameSetFieldsOf(TagEdit &edit)
{
    const QString columns = edit.value(QStringLiteral("COLS"));
    const QString rows = edit.value(QStringLiteral("ROWS"));
    const std::optional<QList<StartTag>> frames = framesOf(edit.content());
    if (columns.isEmpty() == rows.isEmpty() || !frames || frames->size() != 2)
        return std::nullopt;
    const QStringList sizes = (columns.isEmpty() ? rows : columns).split(u',');
    const StartTag &first = frames->at(0);
    const StartTag &second = frames->at(1);
    const QString scrolling = valueOf(first, u"scrolling");
    const bool fixed = first.attribute(u"noresize");
    if (sizes.size() != 2 || !isNamed(valueOf(second, u"scrolling"), scrolling) ||
        bool(second.attribute(u"noresize")) != fixed)
        return std::nullopt;
    const FrameSetFields fields{QString(),
                                columns.isEmpty() ? FrameSplit::Rows : FrameSplit::Columns,
                                sizes.at(0).trimmed(),
                                sizes.at(1).trimmed(),
                                scrolling.isEmpty() ? QStringLiteral("AUTO") : scrolling,
                                fixed ? FrameResize::Fixed : FrameResize::Allowed,
                                definitionOf(first),
                                definitionOf(second)};
    if (edit.style() == MarkupStyle::Classic && holdsQuote(fields))
        return std::nullopt;
    return fields;
}
