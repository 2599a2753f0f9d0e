#include "tagedit/tageditcommand.h"

#include "document/activedocument.h"
#include "format/fontsizedialog.h"
#include "format/listdialog.h"
#include "format/marqueedialog.h"
#include "format/pagecolorsdialog.h"
#include "format/ruledialog.h"
#include "forms/buttondialog.h"
#include "forms/choicedialog.h"
#include "forms/formdialog.h"
#include "forms/selectboxdialog.h"
#include "forms/textfielddialog.h"
#include "imagemap/mapdefinitiondialog.h"
#include "markup/tagedit.h"
#include "platform/platform.h"
#include "structure/framesetdialog.h"
#include "structure/imagelinkdialog.h"
#include "structure/tabledialog.h"

#include <QStringList>

namespace {

template <class Filled> void openFilled(QWidget *parent, TagEdit edit)
{
    Filled dialog(parent);
    dialog.fill(std::move(edit));
    dialog.exec();
}

// For a dialog that may find the tag more than it can write back whole.
template <class Filled> void openIfWhole(QWidget *parent, TagEdit edit)
{
    Filled dialog(parent);
    if (dialog.fill(std::move(edit)))
        dialog.exec();
    else
        platform::warn(parent, QString::fromUtf16(TagEditCommand::NotEditable));
}

struct TagDialog {
    QStringList names; // in upper case; an INPUT tag by its type, as "INPUT TEXT"
    void (*open)(QWidget *parent, TagEdit edit);
};

const QList<TagDialog> &tagDialogs()
{
    static const QList<TagDialog> dialogs{
        {{QStringLiteral("A"), QStringLiteral("IMG")}, &openFilled<ImageLinkDialog>},
        {{QStringLiteral("HR")}, &openFilled<RuleDialog>},
        {{QStringLiteral("TABLE")}, &openFilled<TableDialog>},
        {{QStringLiteral("FRAMESET")}, &openIfWhole<FrameSetDialog>},
        {{QStringLiteral("MAP"), QStringLiteral("AREA")}, &openFilled<MapDefinitionDialog>},
        {{QStringLiteral("UL"), QStringLiteral("OL"), QStringLiteral("LI")},
         &openFilled<ListDialog>},
        {{QStringLiteral("FONT"), QStringLiteral("BASEFONT"), QStringLiteral("H1"),
          QStringLiteral("H2"), QStringLiteral("H3"), QStringLiteral("H4"), QStringLiteral("H5"),
          QStringLiteral("H6")},
         &openFilled<FontSizeDialog>},
        {{QStringLiteral("BODY")}, &openFilled<PageColorsDialog>},
        {{QStringLiteral("MARQUEE")}, &openFilled<MarqueeDialog>},
        {{QStringLiteral("FORM")}, &openFilled<FormDialog>},
        {{QStringLiteral("SELECT")}, &openFilled<SelectBoxDialog>},
        {{QStringLiteral("INPUT SUBMIT"), QStringLiteral("INPUT RESET")},
         &openFilled<ButtonDialog>},
        {{QStringLiteral("INPUT TEXT"), QStringLiteral("TEXTAREA")}, &openFilled<TextFieldDialog>},
        {{QStringLiteral("INPUT RADIO"), QStringLiteral("INPUT CHECKBOX")},
         &openFilled<ChoiceDialog>},
    };
    return dialogs;
}

// An INPUT tag without a type is a text field.
QString dialogKey(const StartTag &tag)
{
    const QString name = tag.name.toUpper();
    if (name != QLatin1String("INPUT"))
        return name;
    const TagAttribute *type = tag.attribute(u"type");
    return name + u' ' + (type ? type->value.trimmed().toUpper() : QStringLiteral("TEXT"));
}

const TagDialog *dialogFor(const StartTag &tag)
{
    const QString key = dialogKey(tag);
    for (const TagDialog &dialog : tagDialogs()) {
        if (dialog.names.contains(key))
            return &dialog;
    }
    return nullptr;
}

// The tag at `caret`; for a picture that is all of a link, the link, whose dialog writes the
// pair.
std::optional<StartTag> tagAt(const QString &text, qsizetype caret)
{
    const std::optional<StartTag> tag = startTagAt(text, caret);
    if (!tag || tag->name.compare(u"img", Qt::CaseInsensitive) != 0 ||
        !QStringView(text).mid(tag->start + tag->length).startsWith(u"</a>", Qt::CaseInsensitive))
        return tag;
    const std::optional<StartTag> link = startTagAt(text, tag->start);
    return link && link->name.compare(u"a", Qt::CaseInsensitive) == 0 ? link : tag;
}

} // namespace

namespace TagEditCommand {

void editTagAtCaret(QWidget *parent)
{
    if (!activeDocument())
        return;
    const QString text = activeDocumentText();
    const std::optional<StartTag> tag = tagAt(text, activeCaret());
    const TagDialog *dialog = tag ? dialogFor(*tag) : nullptr;
    if (!dialog) {
        platform::warn(parent, QString::fromUtf16(NotEditable));
        return;
    }
    dialog->open(parent, TagEdit(text, *tag));
}

} // namespace TagEditCommand
