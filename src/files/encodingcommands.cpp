#include "files/encodingcommands.h"

#include "codepage/codepage.h"
#include "codepage/encodingclues.h"
#include "codepage/rawbytes.h"
#include "document/documentwindow.h"
#include "files/filecommands.h"
#include "files/rangeedits.h"
#include "files/savemessages.h"
#include "files/textfile.h"
#include "files/unencodable.h"
#include "platform/busycursor.h"
#include "platform/platform.h"

#include <algorithm>
#include <vector>

namespace EncodingCommands {
namespace {

bool mayDiscardChanges(DocumentWindow &document)
{
    if (!document.isModified())
        return true;
    return platform::showMessage(
               &document,
               {document.Caption() +
                    QStringLiteral("は変更されています。変更を破棄して読み込み直しますか？"),
                document.Caption(), platform::Buttons::YesNo, platform::Icon::Question,
                platform::Answer::No}) == platform::Answer::Yes;
}

// What the document keeps of its encoding: all of it in its own code page, where the kept
// bytes, the CP932 forms and the ISO-2022-JP escapes still say how to write it back.
TextEncoding convertedEncoding(const TextEncoding &current, const Conversion &conversion)
{
    TextEncoding encoding(conversion.codePage);
    if (codepage::effectiveCodePage(current) == conversion.codePage)
        encoding = current;
    // A document without a file yet names its code page from now on.
    encoding.codePage = conversion.codePage;
    encoding.byteOrderMark = conversion.byteOrderMark;
    return encoding;
}

QString declared(const QString &text, const Conversion &conversion)
{
    if (conversion.declaration == Declaration::Kept)
        return text;
    return encodingclues::withDeclaredCharset(text,
                                              encodingclues::declarationName(conversion.codePage));
}

// Whether the converted text can be written; says why not.
bool mayConvert(DocumentWindow &document, const QString &text, const TextEncoding &from,
                const TextEncoding &to)
{
    if (from.keepsRawBytes && !to.keepsRawBytes) {
        const auto kept = std::find_if(text.cbegin(), text.cend(), rawbytes::isStandIn);
        if (kept != text.cend()) {
            platform::warn(&document,
                           keptBytesMessage(document.Caption(), text, kept - text.cbegin()));
            return false;
        }
    }
    return codepage::encode(text, to).ok() ||
           Unencodable::offerReferences(document, document.Caption(), to);
}

// Puts the declarations' new name into the document as one edit; the caret stays where it
// was in the text around them.
void rewriteDeclarations(DocumentWindow &document, const Conversion &conversion)
{
    if (conversion.declaration == Declaration::Kept)
        return;
    const QString text = document.Text().Text();
    const QString name = encodingclues::declarationName(conversion.codePage);
    std::vector<TextModel::Range> names;
    for (const encodingclues::NameSpan &span : encodingclues::declaredNames(text)) {
        if (QStringView(text).sliced(span.start, span.length) != name)
            names.push_back({span.start, span.length});
    }
    replaceKeepingSelection(document.Text(), names, std::vector<QString>(names.size(), name));
}

} // namespace

bool ReadAgainAs(DocumentWindow &document, const QByteArray &codePage)
{
    if (document.isUntitled() || !mayDiscardChanges(document))
        return false;
    const BusyCursor busy;
    if (!DocumentCommands::takeFileText(document, document.Caption(),
                                        readTextAs(document.Caption(), codePage)))
        return false;
    document.setTag(QString());
    return true;
}

bool SaveConverted(DocumentWindow &document, const Conversion &conversion)
{
    const TextEncoding encoding = convertedEncoding(document.encoding(), conversion);
    {
        const BusyCursor busy;
        const QString fileText = document.Text().fileText();
        const QString text = declared(
            conversion.lineBreak ? withAllBreaks(fileText, *conversion.lineBreak) : fileText,
            conversion);
        if (!mayConvert(document, text, document.encoding(), encoding))
            return false;
    }
    document.setFileFormat(encoding, conversion.lineBreak);
    rewriteDeclarations(document, conversion);
    // A save that does not happen leaves a document that still differs from its file.
    if (DocumentCommands::SaveDocument(document))
        return true;
    document.setTag(DocumentWindow::ModifiedMark);
    return false;
}

} // namespace EncodingCommands
