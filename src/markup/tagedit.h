#pragma once

// A start tag already in the page, opened in the dialog that writes it. The dialog reads its
// fields from here and its confirm writes through here. What the dialog reads, attributes and
// the declarations of a style attribute alike, is its own from then on; everything else in
// the tag is kept as written, in its order, after what the dialog writes. A dialog opened on
// no tag writes in place of the selection, in the style chosen in the 表示 menu.

#include "markup/tagreader.h"
#include "textview/viewoptions.h"

#include <QStringList>

#include <memory>

// An address as a mail link or form writes it, "mailto:" (any case) before the mail address.
struct MailAddress {
    QString address; // without the "mailto:"
    bool isMail = false;
};
MailAddress mailAddress(const QString &written);

class TagEdit {
public:
    TagEdit() = default;
    // `tag` as startTagAt() read it from `text`.
    TagEdit(const QString &text, const StartTag &tag);

    bool isOpen() const { return tag_.has_value(); }
    // The tag's name in upper case; empty without a tag.
    QString name() const;
    // The style of the tag (upper-case names are the classic style's), else the chosen one.
    MarkupStyle style() const;

    // The value of the attribute `name` (any case), else of the CSS `property` in the tag's
    // style attribute; empty when neither is there.
    QString value(const QString &name, const QString &property = {});
    // The same, a length as the dialogs take it: the first word, a "px" after a plain number
    // dropped ("1px outset" gives "1").
    QString length(const QString &name, const QString &property = {});
    // Whether the attribute `name` is there (a flag such as NOSHADE).
    bool has(const QString &name);
    // The value of the CSS `property` in the tag's style attribute.
    QString css(const QString &property);
    // The ALIGN attribute in upper case, else the side the margins of the tag's style place
    // it at, as blockAlignment() writes them; empty for neither.
    QString align();

    // What stands between the tag and its end tag (the first one of its name after it);
    // empty when no end tag follows, or without a tag.
    QString content() const { return content_; }

    // The edit of `tag`, read from content(), that a dialog writing both this tag and the
    // one inside fills the inner one's fields from; a block write keeps what it did not read
    // in the first start tag of its name after this one.
    TagEdit &inner(const StartTag &tag);

    enum class Scope {
        StartTag, // the start tag alone; its content and end tag stay
        Block,    // the start tag, its content and its end tag
    };
    // Without a tag, `markup` in place of the selection. With one, the first start tag of its
    // name in `markup` (else its first start tag), which the dialog writes for a new one amid
    // the rest, with the kept attributes added, in place of the tag; for a block, that tag to
    // the end of its end tag in `markup`, in place of the tag to the end of its end tag (the
    // tag alone when it has none).
    void write(const QString &markup, Scope scope = Scope::StartTag) const;

private:
    QString withKept(const QString &written) const;
    QString keptInFirst(const QString &markup) const;
    bool isOwn(const TagAttribute &attribute) const;

    std::optional<StartTag> tag_;
    QString text_; // the tag as written
    QString content_;
    qsizetype blockLength_ = 0; // the tag to the end of its end tag, or the tag alone
    std::shared_ptr<TagEdit> inner_;
    QStringList ownNames_;
    QStringList ownProperties_;
};
