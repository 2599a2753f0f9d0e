#pragma once

// Loose comparison's view of characters, shared by the literal search and the pattern
// rewriter: every UTF-16 code unit's loose form (its width variant from the Unicode character
// database, then its case fold, then hiragana for katakana), the voiced and semi-voiced kana a
// kana and a following mark stand for together, and the way back from a loose form to every
// code unit that has it. Built once, read-only after, so any thread may read it.

#include "search/textsearch.h"

#include <QHash>
#include <QMultiHash>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace loose {

constexpr char16_t VoicedMark = 0x3099;     // combining; the half-width ﾞ folds to it
constexpr char16_t SemiVoicedMark = 0x309A; // combining; the half-width ﾟ folds to it

struct Tables {
    Tables();

    static bool isMark(char16_t folded) { return folded == VoicedMark || folded == SemiVoicedMark; }
    static quint32 pairKey(char16_t base, char16_t mark) { return quint32(base) << 16 | mark; }

    // The loose form of a kana followed by a mark, both given as loose forms; 0 when the
    // two do not make one kana.
    char16_t joined(char16_t base, char16_t mark) const
    {
        return voiced.value(pairKey(base, mark));
    }
    // Every code unit whose loose form is `folded`, `folded` first when it is its own.
    QString unitsOf(char16_t folded) const;

    std::array<char16_t, 0x10000> form{};
    // A kana's loose form keyed by the loose forms of the kana and the mark it is made of.
    QHash<quint32, char16_t> voiced;
    // The other way: a voiced kana's loose form to the key of its parts.
    QHash<char16_t, quint32> partsOf;
    // A loose form to the code units with that form other than itself.
    QMultiHash<char16_t, char16_t> others;
};

const Tables &tables();

// The loose unit of `text` starting at `at`: one per code unit, except that a kana and the
// voiced mark after it make a single unit spanning both; `span` receives how many code units
// it covers.
char16_t unitAt(QStringView text, qsizetype at, qsizetype &span);

// The first loose occurrence of `what`, not empty, at or after `from`, as findText gives it.
std::optional<TextMatch> find(QStringView text, QStringView what, qsizetype from);

} // namespace loose
