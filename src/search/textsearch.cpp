#include "search/textsearch.h"

#include <QChar>
#include <QHash>

#include <array>
#include <vector>

namespace {

constexpr char16_t VoicedMark = 0x3099;     // combining; the half-width ﾞ folds to it
constexpr char16_t SemiVoicedMark = 0x309A; // combining; the half-width ﾟ folds to it
constexpr char16_t FirstKatakana = 0x30A1;  // ァ
constexpr char16_t LastKatakana = 0x30F6;   // ヶ
constexpr char16_t KatakanaIteration = 0x30FD;
constexpr char16_t VoicedKatakanaIteration = 0x30FE;
constexpr char16_t KatakanaToHiragana = 0x60;

// One code unit as loose comparison sees it: the width variant taken from the Unicode
// character database, then the case fold, then hiragana for katakana.
char16_t looseForm(char16_t unit)
{
    const QChar c(unit);
    if (c.isSurrogate())
        return unit;
    const QChar::Decomposition tag = c.decompositionTag();
    if (tag == QChar::Wide || tag == QChar::Narrow) {
        const QString variant = c.decomposition();
        if (variant.size() == 1)
            unit = variant.front().unicode();
    }
    const char32_t folded = QChar::toCaseFolded(char32_t(unit));
    if (folded <= 0xFFFF)
        unit = char16_t(folded);
    const bool katakana = unit >= FirstKatakana && unit <= LastKatakana;
    if (katakana || unit == KatakanaIteration || unit == VoicedKatakanaIteration)
        unit -= KatakanaToHiragana;
    return unit;
}

quint32 pairKey(char16_t base, char16_t mark)
{
    return quint32(base) << 16 | mark;
}

// Built once: every code unit's loose form, and the loose form of each kana with a voiced
// or semi-voiced mark keyed by the loose forms of the kana and the mark.
struct LooseTables {
    std::array<char16_t, 0x10000> form{};
    QHash<quint32, char16_t> voiced;

    LooseTables()
    {
        for (char32_t unit = 0; unit < form.size(); ++unit)
            form[unit] = looseForm(char16_t(unit));
        for (char16_t kana = 0x3040; kana < 0x3100; ++kana) {
            if (QChar(kana).decompositionTag() != QChar::Canonical)
                continue;
            const QString parts = QChar(kana).decomposition();
            if (parts.size() == 2 && isMark(parts[1].unicode()))
                voiced.insert(pairKey(form[parts[0].unicode()], parts[1].unicode()), form[kana]);
        }
    }
    static bool isMark(char16_t folded) { return folded == VoicedMark || folded == SemiVoicedMark; }
};

const LooseTables &looseTables()
{
    static const LooseTables tables;
    return tables;
}

// Reads a text as a row of loose units: one per code unit, except that a kana and the
// voiced mark after it make a single unit spanning both.
class LooseReader {
public:
    LooseReader(QStringView text, const LooseTables &tables) : text_(text), tables_(tables) {}

    // The loose unit starting at `at`; `span` receives how many code units it covers.
    char16_t unitAt(qsizetype at, qsizetype &span) const
    {
        const char16_t unit = tables_.form[text_[at].unicode()];
        span = 1;
        if (at + 1 < text_.size()) {
            const char16_t next = tables_.form[text_[at + 1].unicode()];
            if (LooseTables::isMark(next)) {
                const auto found = tables_.voiced.constFind(pairKey(unit, next));
                if (found != tables_.voiced.cend()) {
                    span = 2;
                    return *found;
                }
            }
        }
        return unit;
    }

    // The end of the match of `wanted` that starts at `at`, or -1.
    qsizetype matchEnd(qsizetype at, const std::vector<char16_t> &wanted) const
    {
        for (const char16_t unit : wanted) {
            if (at >= text_.size())
                return -1;
            qsizetype span = 0;
            if (unitAt(at, span) != unit)
                return -1;
            at += span;
        }
        return at;
    }

    qsizetype size() const { return text_.size(); }

private:
    QStringView text_;
    const LooseTables &tables_;
};

std::vector<char16_t> looseUnits(const LooseReader &reader)
{
    std::vector<char16_t> units;
    qsizetype span = 0;
    for (qsizetype at = 0; at < reader.size(); at += span)
        units.push_back(reader.unitAt(at, span));
    return units;
}

std::optional<TextMatch> findLoose(QStringView text, QStringView what, qsizetype from)
{
    const LooseTables &tables = looseTables();
    const std::vector<char16_t> wanted = looseUnits(LooseReader(what, tables));
    const LooseReader reader(text, tables);
    const char16_t first = wanted.front();
    qsizetype span = 0;
    // Matches start only where a loose unit starts, never on a mark joined to its kana.
    for (qsizetype at = from; at < text.size(); at += span) {
        if (reader.unitAt(at, span) != first)
            continue;
        const qsizetype end = reader.matchEnd(at, wanted);
        if (end >= 0)
            return TextMatch{at, end - at};
    }
    return std::nullopt;
}

} // namespace

std::optional<TextMatch> findText(QStringView text, QStringView what, qsizetype from,
                                  Comparison comparison)
{
    from = std::max<qsizetype>(from, 0);
    if (what.isEmpty() || from >= text.size())
        return std::nullopt;
    if (comparison == Comparison::Loose)
        return findLoose(text, what, from);
    const qsizetype start = text.indexOf(what, from);
    if (start < 0)
        return std::nullopt;
    return TextMatch{start, what.size()};
}
