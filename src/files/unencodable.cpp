#include "files/unencodable.h"

#include "codepage/codepage.h"
#include "document/documentwindow.h"
#include "files/rangeedits.h"
#include "files/savemessages.h"
#include "platform/platform.h"
#include "textview/htmllexer.h"

namespace Unencodable {
namespace {

const QString NotReadAsReferences = QStringLiteral(
    "\n表せない文字がｽｸﾘﾌﾟﾄ、ｽﾀｲﾙまたはｺﾒﾝﾄの中にあるため、文字参照では書けません。");

void writeReferences(TextModel &model, const QString &text, const std::vector<qsizetype> &offsets)
{
    std::vector<TextModel::Range> ranges;
    std::vector<QString> references;
    ranges.reserve(offsets.size());
    references.reserve(offsets.size());
    for (const qsizetype offset : offsets) {
        const QString character = characterAt(text, offset);
        ranges.push_back({offset, character.size()});
        references.push_back(referenceTo(codePointOf(character)));
    }
    replaceKeepingSelection(model, ranges, references);
}

} // namespace

QString characterAt(const QString &text, qsizetype offset)
{
    const bool isPair = text[offset].isHighSurrogate() && offset + 1 < text.size() &&
                        text[offset + 1].isLowSurrogate();
    return text.mid(offset, isPair ? 2 : 1);
}

char32_t codePointOf(QStringView character)
{
    return character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                 : character[0].unicode();
}

QString referenceTo(char32_t codePoint)
{
    return QStringLiteral("&#x") + QString::number(uint(codePoint), 16).toUpper() +
           QLatin1Char(';');
}

bool offerReferences(DocumentWindow &document, const QString &path, const TextEncoding &encoding)
{
    TextModel &model = document.Text();
    const QString text = model.Text();
    const std::vector<qsizetype> offsets = codepage::unencodableOffsets(text, encoding);
    if (offsets.empty())
        return false;
    const bool readable = !HtmlLexer::anyWhereReferencesAreNotRead(text, offsets);
    const platform::Answer answer =
        platform::showMessage(&document, {unencodableMessage(path, text, offsets, encoding) +
                                              (readable ? QString() : NotReadAsReferences),
                                          platform::ProgramName,
                                          readable ? platform::Buttons::ReferenceJumpCancel
                                                   : platform::Buttons::JumpCancel,
                                          platform::Icon::Exclamation, platform::Answer::Cancel});
    if (answer == platform::Answer::Jump)
        model.setSelStart(offsets.front());
    if (answer != platform::Answer::Reference)
        return false;
    writeReferences(model, text, offsets);
    return true;
}

} // namespace Unencodable
