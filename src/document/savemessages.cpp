#include "document/savemessages.h"

#include "document/linebreaks.h"

namespace {

QString notSaved(const QString &path)
{
    return path + QStringLiteral(" を保存できませんでした。\n");
}

// The whole character at `offset`, a surrogate pair included.
QString characterAt(const QString &text, qsizetype offset)
{
    const bool isPair = text[offset].isHighSurrogate() && offset + 1 < text.size() &&
                        text[offset + 1].isLowSurrogate();
    return text.mid(offset, isPair ? 2 : 1);
}

QString codePointOf(const QString &character)
{
    const char32_t codePoint = character.size() == 2
                                   ? QChar::surrogateToUcs4(character[0], character[1])
                                   : character[0].unicode();
    return QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString writeFailedMessage(const QString &path, const QString &reason)
{
    return notSaved(path) + reason;
}

QString unencodableMessage(const QString &path, const QString &text, qsizetype offset,
                           const QByteArray &codePage)
{
    const QString character = characterAt(text, offset);
    const qsizetype line = countLineBreaks(QStringView(text).first(offset)) + 1;
    const QString codePageName = QString::fromLatin1(codePage);
    return notSaved(path) + QStringLiteral("%1 行目の文字「%2」(%3) は文字コード %4 で表せません。")
                                .arg(line)
                                .arg(character, codePointOf(character), codePageName);
}

QString overwriteQuestion(const QString &path)
{
    return path + QStringLiteral(" は既に存在します。\n上書きしますか？");
}
