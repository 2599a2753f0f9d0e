#pragma once

// A regular expression as the matcher compiles it. Where loose comparison is asked for (the
// whole pattern, or a part after (?i)), each literal character becomes the set of characters
// loose comparison takes for it: ガ becomes ガ, が, ｶﾞ and か or カ with a combining mark, as the
// literal search reads them; a character class gains the loose variants of its members. A
// line break, \n or typed, matches any line break: CR LF, a lone CR or a lone LF. Only
// non-capturing groups and assertions are added, so group numbers and names stay the
// user's. Widget-free.

#include <QFlags>
#include <QString>
#include <QStringView>

// The parts of a pattern that loose comparison cannot reach, each compared as typed.
enum class FoldLimit {
    // A backreference (\1, \g{1}, \k<name>, (?P=name)) matches what its group captured with
    // case folded only, not kana or width.
    Backreference = 0x1,
    // A voiced or semi-voiced kana in a character class, or in a lookbehind, matches one
    // character, never the two of a half-width kana and its mark (ｶﾞ).
    VoicedKanaInClass = 0x2,
    VoicedKanaInLookbehind = 0x4,
};
Q_DECLARE_FLAGS(FoldLimits, FoldLimit)
Q_DECLARE_OPERATORS_FOR_FLAGS(FoldLimits)

struct FoldedPattern {
    // Leading start-of-pattern items such as (*UTF), which have to stay first.
    QString settings;
    QString pattern;
    FoldLimits limits;
};

// `pattern` rewritten; `loose` is whether it starts out comparing loosely (case, kana and
// width), as (?i) and (?-i) switch it within the pattern.
FoldedPattern foldPattern(QStringView pattern, bool loose);
