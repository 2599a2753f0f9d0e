#include "codepage/encodingclues.h"

#include "codepage/codepage.h"

#include <QRegularExpression>

#include <algorithm>

namespace encodingclues {
namespace {

// Browsers look this far into a page for its declaration.
constexpr qsizetype DeclarationReach = 1024;

struct CharsetName {
    const char *name;
    const char *codePage;
};

// The labels browsers accept for the Japanese encodings and UTF-8.
const CharsetName CharsetNames[] = {
    {"shift_jis", codepage::Cp932},
    {"shift-jis", codepage::Cp932},
    {"sjis", codepage::Cp932},
    {"x-sjis", codepage::Cp932},
    {"ms_kanji", codepage::Cp932},
    {"ms932", codepage::Cp932},
    {"csshiftjis", codepage::Cp932},
    {"windows-31j", codepage::Cp932},
    {"cp932", codepage::Cp932},
    {"euc-jp", "EUC-JP"},
    {"x-euc-jp", "EUC-JP"},
    {"cseucpkdfmtjapanese", "EUC-JP"},
    {"iso-2022-jp", "ISO-2022-JP"},
    {"csiso2022jp", "ISO-2022-JP"},
    {"utf-8", codepage::Utf8},
    {"utf8", codepage::Utf8},
    {"unicode-1-1-utf-8", codepage::Utf8},
};

std::optional<QByteArray> codePageNamed(const QString &label)
{
    for (const CharsetName &name : CharsetNames) {
        if (label == QLatin1String(name.name))
            return QByteArray(name.codePage);
    }
    return std::nullopt;
}

// A charset declaration; its first group is the name.
const QRegularExpression &declaration()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"((?:<meta\b[^>]*?\bcharset\s*=\s*["']?\s*|)"
                       R"(<\?xml\b[^>]*?\bencoding\s*=\s*["']\s*)([a-z0-9._:+-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

bool isHiraganaOrKatakana(char16_t c)
{
    return (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA);
}
bool isCommonKanji(char16_t c)
{
    return c >= 0x4E00 && c <= 0x9FA0;
}
bool isHalfWidthKatakana(char16_t c)
{
    return c >= 0xFF61 && c <= 0xFF9F;
}
bool isJapanesePunctuation(char16_t c)
{
    return c >= 0x3000 && c <= 0x3020;
}

} // namespace

std::optional<QByteArray> declaredCodePage(const QByteArray &bytes)
{
    const QRegularExpressionMatch match = declaration().match(
        QString::fromLatin1(bytes.first(std::min(bytes.size(), DeclarationReach))));
    return match.hasMatch() ? codePageNamed(match.captured(1).toLower()) : std::nullopt;
}

std::vector<NameSpan> declaredNames(const QString &text)
{
    std::vector<NameSpan> names;
    for (QRegularExpressionMatchIterator it = declaration().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        names.push_back({match.capturedStart(1), match.capturedLength(1)});
    }
    return names;
}

// From the last name to the first, so the places of those still to do stay where they were.
QString withDeclaredCharset(const QString &text, const QString &name)
{
    const std::vector<NameSpan> names = declaredNames(text);
    QString rewritten = text;
    for (auto span = names.rbegin(); span != names.rend(); ++span)
        rewritten.replace(span->start, span->length, name);
    return rewritten;
}

QString declarationName(const QByteArray &codePage)
{
    if (codePage == codepage::Cp932)
        return QStringLiteral("Shift_JIS");
    if (codePage == codepage::Utf16Le || codePage == codepage::Utf16Be)
        return QStringLiteral("UTF-16");
    return QString::fromLatin1(codePage);
}

bool looksLikeIso2022Jp(const QByteArray &bytes)
{
    const bool sevenBit =
        std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return quint8(c) < 0x80; });
    return sevenBit && (bytes.contains("\x1b$B") || bytes.contains("\x1b$@") ||
                        bytes.contains("\x1b(J") || bytes.contains("\x1b(I"));
}

std::optional<QByteArray> utf16ByZeroBytes(const QByteArray &bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return std::nullopt;
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == 0)
            ++zeros[i % 2];
    }
    const qsizetype pairs = bytes.size() / 2;
    // Tags, spaces and line breaks alone give a zero in every few pairs.
    const auto clearly = [pairs](qsizetype many, qsizetype few) {
        return many * 8 >= pairs && few * 64 <= many;
    };
    if (clearly(zeros[1], zeros[0]))
        return QByteArray(codepage::Utf16Le);
    if (clearly(zeros[0], zeros[1]))
        return QByteArray(codepage::Utf16Be);
    return std::nullopt;
}

int japaneseLikeness(const QString &text)
{
    int likeness = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        if (isHiraganaOrKatakana(u) || isJapanesePunctuation(u))
            likeness += 2;
        else if (isCommonKanji(u))
            likeness += 1;
        else if (isHalfWidthKatakana(u))
            likeness -= 1;
        else
            likeness -= 2;
    }
    return likeness;
}

} // namespace encodingclues
