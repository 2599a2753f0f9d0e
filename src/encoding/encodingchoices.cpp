#include "encoding/encodingchoices.h"

#include "codepage/codepage.h"

#include <algorithm>

std::span<const CodePageChoice> readChoices()
{
    static const CodePageChoice choices[] = {
        {QStringLiteral("UTF-8"), codepage::Utf8, false},
        {QStringLiteral("Shift_JIS"), codepage::Cp932, false},
        {QStringLiteral("EUC-JP"), codepage::EucJp, false},
        {QStringLiteral("ISO-2022-JP"), codepage::Iso2022Jp, false},
        {QStringLiteral("UTF-16LE"), codepage::Utf16Le, false},
        {QStringLiteral("UTF-16BE"), codepage::Utf16Be, false},
    };
    return choices;
}

std::span<const CodePageChoice> saveChoices()
{
    static const CodePageChoice choices[] = {
        {QStringLiteral("UTF-8"), codepage::Utf8, false},
        {QStringLiteral("UTF-8 (BOM)"), codepage::Utf8, true},
        {QStringLiteral("Shift_JIS"), codepage::Cp932, false},
        {QStringLiteral("EUC-JP"), codepage::EucJp, false},
        {QStringLiteral("ISO-2022-JP"), codepage::Iso2022Jp, false},
        {QStringLiteral("UTF-16LE (BOM)"), codepage::Utf16Le, true},
        {QStringLiteral("UTF-16BE (BOM)"), codepage::Utf16Be, true},
    };
    return choices;
}

int choiceFor(std::span<const CodePageChoice> choices, const TextEncoding &encoding)
{
    const QByteArray codePage = codepage::effectiveCodePage(encoding);
    const auto samePage = [&codePage](const CodePageChoice &c) { return codePage == c.codePage; };
    auto found = std::find_if(choices.begin(), choices.end(), [&](const CodePageChoice &c) {
        return samePage(c) && c.byteOrderMark == encoding.byteOrderMark;
    });
    if (found == choices.end())
        found = std::find_if(choices.begin(), choices.end(), samePage);
    return found == choices.end() ? 0 : int(found - choices.begin());
}

std::span<const BreakChoice> breakChoices()
{
    static const BreakChoice choices[] = {
        {QStringLiteral("CR+LF"), LineBreak::CrLf},
        {QStringLiteral("LF"), LineBreak::Lf},
        {QStringLiteral("CR"), LineBreak::Cr},
        {QStringLiteral("変更しない"), std::nullopt},
    };
    return choices;
}
