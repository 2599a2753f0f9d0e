#pragma once

// What a file's bytes say about their encoding before anything is decoded: the page's own
// charset declaration, the escapes of ISO-2022-JP, the zero bytes of UTF-16. And, for bytes
// that two Japanese code pages both read, how much a decoded text looks like Japanese.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace encodingclues {

// The iconv code page a page declares in its first 1024 bytes, as browsers look: in a
// <meta charset=...>, a <meta http-equiv="Content-Type" content="...; charset=...">, or an
// XML declaration's encoding="...". Only the names browsers take for Shift_JIS (read as
// CP932), EUC-JP, ISO-2022-JP and UTF-8 count; nullopt for no declaration or another name.
std::optional<QByteArray> declaredCodePage(const QByteArray &bytes);

struct NameSpan {
    qsizetype start = 0;
    qsizetype length = 0;
};

// Where every charset declaration of the whole text, in any of the three forms, has its
// name, in order. A page that says its charset twice (a <meta charset> and an http-equiv)
// has to say the same both times, so a rewrite changes them all.
std::vector<NameSpan> declaredNames(const QString &text);

// `text` with the name in every declaration replaced by `name`; the declarations' quotes,
// case and spacing stay. Unchanged without a declaration.
QString withDeclaredCharset(const QString &text, const QString &name);

// The name a page declares `codePage` with ("Shift_JIS" for CP932, "UTF-16" for both
// byte orders).
QString declarationName(const QByteArray &codePage);

// Seven-bit bytes with an escape sequence of ISO-2022-JP's other sets.
bool looksLikeIso2022Jp(const QByteArray &bytes);

// "UTF-16LE" or "UTF-16BE" when zero bytes stand in one of the two alternate positions
// and hardly ever in the other, as in UTF-16 text with tags; nullopt otherwise. Text in any
// other encoding holds no zero bytes.
std::optional<QByteArray> utf16ByZeroBytes(const QByteArray &bytes);

// Higher for text that reads as Japanese prose (kana, common kanji) than for the same
// bytes read in the wrong code page (half-width katakana, rare symbols, private use).
int japaneseLikeness(const QString &text);

} // namespace encodingclues
