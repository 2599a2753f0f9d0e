#include "markup/tagedit.h"

#include "document/activedocument.h"
#include "markup/markupstyle.h"
#include "textview/tagpair.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

struct Declaration {
    QString property; // lower case
    QString value;
};

QList<Declaration> declarationsOf(const TagAttribute *style)
{
    QList<Declaration> declarations;
    if (!style)
        return declarations;
    for (const QString &part : style->value.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(u':');
        if (colon > 0)
            declarations.append(
                {part.left(colon).trimmed().toLower(), part.mid(colon + 1).trimmed()});
    }
    return declarations;
}

QString joined(const QList<Declaration> &declarations)
{
    QStringList parts;
    for (const Declaration &d : declarations)
        parts << d.property + QStringLiteral(": ") + d.value;
    return parts.join(QStringLiteral("; "));
}

// The declarations of a style that a dialog did not read, and whether it read any.
struct KeptStyle {
    QString declarations;
    bool touched = false;
};

KeptStyle keptStyle(const TagAttribute *style, const QStringList &read)
{
    QList<Declaration> kept = declarationsOf(style);
    const qsizetype all = kept.size();
    kept.removeIf([&read](const Declaration &d) { return read.contains(d.property); });
    return {joined(kept), kept.size() != all};
}

// The first start tag named `name` (any case) in `markup`, else its first start tag.
std::optional<StartTag> writtenTag(const QString &markup, const QString &name)
{
    std::optional<StartTag> first;
    for (qsizetype at = markup.indexOf(u'<'); at >= 0; at = markup.indexOf(u'<', at + 1)) {
        std::optional<StartTag> tag = startTagAt(markup, at + 1, 1);
        if (tag && tag->name.compare(name, Qt::CaseInsensitive) == 0)
            return tag;
        if (!first)
            first = tag;
    }
    return first;
}

// The end tag that closes `tag`, as the text box pairs them: same-named elements inside
// nest, and comments, scripts and styles hold no markup.
std::optional<TagPair::Range> endTagOf(const QString &text, const StartTag &tag)
{
    const QStringView rest = QStringView(text).sliced(tag.start);
    // A page with no such end tag after the tag is not read through for one.
    if (!rest.contains(QStringLiteral("</") + tag.name, Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<TagPair::Range> end = TagPair::partnerOf(rest, HtmlLexer::State{}, 1);
    if (!end)
        return std::nullopt;
    return TagPair::Range{tag.start + end->start, end->length};
}

bool isStyle(const TagAttribute &attribute)
{
    return attribute.name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0;
}

} // namespace

MailAddress mailAddress(const QString &written)
{
    static const QString mailto = QStringLiteral("mailto:");
    if (written.startsWith(mailto, Qt::CaseInsensitive))
        return {written.mid(mailto.size()), true};
    return {written, false};
}

TagEdit::TagEdit(const QString &text, const StartTag &tag)
    : tag_(tag), text_(text.mid(tag.start, tag.length)), blockLength_(tag.length)
{
    if (const std::optional<TagPair::Range> end = endTagOf(text, tag)) {
        const qsizetype from = tag.start + tag.length;
        content_ = text.mid(from, end->start - from);
        blockLength_ = end->start + end->length - tag.start;
    }
}

QString TagEdit::name() const
{
    return tag_ ? tag_->name.toUpper() : QString();
}

MarkupStyle TagEdit::style() const
{
    if (!tag_)
        return chosenMarkupStyle();
    return tag_->isUpperCase() ? MarkupStyle::Classic : MarkupStyle::Html5;
}

QString TagEdit::value(const QString &name, const QString &property)
{
    if (!tag_)
        return {};
    ownNames_ << name;
    if (const TagAttribute *found = tag_->attribute(name))
        return found->value;
    return property.isEmpty() ? QString() : css(property);
}

QString TagEdit::length(const QString &name, const QString &property)
{
    const QString word = value(name, property).section(u' ', 0, 0, QString::SectionSkipEmpty);
    static const QRegularExpression pixels(QStringLiteral("^(\\d+(\\.\\d+)?)px$"));
    const QRegularExpressionMatch match = pixels.match(word);
    return match.hasMatch() ? match.captured(1) : word;
}

bool TagEdit::has(const QString &name)
{
    ownNames_ << name;
    return tag_ && tag_->attribute(name);
}

QString TagEdit::css(const QString &property)
{
    ownProperties_ << property;
    if (!tag_)
        return {};
    for (const Declaration &d : declarationsOf(tag_->attribute(u"style"))) {
        if (d.property == property)
            return d.value;
    }
    return {};
}

QString TagEdit::align()
{
    const QString written = value(QStringLiteral("ALIGN")).trimmed().toUpper();
    const QStringList margins{css(QStringLiteral("margin-left")),
                              css(QStringLiteral("margin-right"))};
    if (!written.isEmpty())
        return written;
    for (const QString &side :
         {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT")}) {
        const QStringList placed = blockAlignment(side);
        if (margins == QStringList{placed.at(0).section(u' ', 1), placed.at(1).section(u' ', 1)})
            return side;
    }
    return {};
}

TagEdit &TagEdit::inner(const StartTag &tag)
{
    inner_ = std::make_shared<TagEdit>(content_, tag);
    return *inner_;
}

void TagEdit::write(const QString &markup, Scope scope) const
{
    if (!tag_) {
        replaceActiveSelection(markup);
        return;
    }
    const std::optional<StartTag> written = writtenTag(markup, tag_->name);
    if (!written)
        return;
    const QString tag = withKept(markup.mid(written->start, written->length));
    if (scope == Scope::StartTag) {
        replaceActiveRange(tag_->start, tag_->length, tag);
        return;
    }
    const qsizetype from = written->start + written->length;
    const std::optional<TagPair::Range> end = endTagOf(markup, *written);
    const QString rest = markup.mid(from, end ? end->start + end->length - from : 0);
    replaceActiveRange(tag_->start, blockLength_,
                       tag + (inner_ ? inner_->keptInFirst(rest) : rest));
}

// `markup` with the attributes this edit keeps added to its first start tag of this name.
QString TagEdit::keptInFirst(const QString &markup) const
{
    const std::optional<StartTag> written = writtenTag(markup, tag_->name);
    if (!written)
        return markup;
    return QString(markup).replace(written->start, written->length,
                                   withKept(markup.mid(written->start, written->length)));
}

bool TagEdit::isOwn(const TagAttribute &attribute) const
{
    return ownNames_.contains(attribute.name, Qt::CaseInsensitive);
}

// `written` with the attributes the dialog did not read before its `>`. A style the dialog
// writes takes the declarations it did not read at its end.
QString TagEdit::withKept(const QString &written) const
{
    QString tag = written;
    const QString styleStart = QStringLiteral(" style=\"");
    const qsizetype writtenStyle = tag.indexOf(styleStart);
    const KeptStyle style = keptStyle(tag_->attribute(u"style"), ownProperties_);
    QString kept;
    for (const TagAttribute &a : tag_->attributes) {
        const QString asWritten = u' ' + text_.mid(a.start - tag_->start, a.length);
        if (!isStyle(a))
            kept += isOwn(a) ? QString() : asWritten;
        else if (writtenStyle < 0)
            kept += style.touched ? optionalAttribute(a.name, style.declarations, this->style())
                                  : asWritten;
        else if (!style.declarations.isEmpty())
            tag.insert(tag.indexOf(u'"', writtenStyle + styleStart.size()),
                       QStringLiteral("; ") +
                           QString(style.declarations).replace(u'"', QStringLiteral("&quot;")));
    }
    return tag.insert(tag.size() - 1, kept);
}
