#include "search/loosefold.h"

#include <QChar>

#include <vector>

namespace loose {

namespace {

constexpr char16_t FirstKatakana = 0x30A1; // ァ
constexpr char16_t LastKatakana = 0x30F6;  // ヶ
constexpr char16_t KatakanaIteration = 0x30FD;
constexpr char16_t VoicedKatakanaIteration = 0x30FE;
constexpr char16_t KatakanaToHiragana = 0x60;

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

// Reads a text as a row of loose units. The literal search calls unitAt for every character
// it passes: a call there doubles its time, hence always inline.
class Reader {
public:
    explicit Reader(QStringView text) : text_(text), tables_(tables()) {}

    [[gnu::always_inline]] char16_t unitAt(qsizetype at, qsizetype &span) const
    {
        const char16_t unit = tables_.form[text_[at].unicode()];
        span = 1;
        if (at + 1 < text_.size()) {
            const char16_t next = tables_.form[text_[at + 1].unicode()];
            if (Tables::isMark(next)) {
                if (const char16_t kana = tables_.joined(unit, next)) {
                    span = 2;
                    return kana;
                }
            }
        }
        return unit;
    }

    qsizetype size() const { return text_.size(); }

private:
    QStringView text_;
    const Tables &tables_;
};

// The end of the match of `wanted` that starts at `at`, or -1.
qsizetype matchEnd(const Reader &reader, qsizetype at, const std::vector<char16_t> &wanted)
{
    for (const char16_t unit : wanted) {
        if (at >= reader.size())
            return -1;
        qsizetype span = 0;
        if (reader.unitAt(at, span) != unit)
            return -1;
        at += span;
    }
    return at;
}

std::vector<char16_t> looseUnits(const Reader &reader)
{
    std::vector<char16_t> units;
    qsizetype span = 0;
    for (qsizetype at = 0; at < reader.size(); at += span)
        units.push_back(reader.unitAt(at, span));
    return units;
}

} // namespace

Tables::Tables()
{
    for (char32_t unit = 0; unit < form.size(); ++unit) {
        form[unit] = looseForm(char16_t(unit));
        if (form[unit] != unit)
            others.insert(form[unit], char16_t(unit));
    }
    for (char16_t kana = 0x3040; kana < 0x3100; ++kana) {
        if (QChar(kana).decompositionTag() != QChar::Canonical)
            continue;
        const QString parts = QChar(kana).decomposition();
        if (parts.size() == 2 && isMark(parts[1].unicode())) {
            const quint32 key = pairKey(form[parts[0].unicode()], parts[1].unicode());
            voiced.insert(key, form[kana]);
            partsOf.insert(form[kana], key);
        }
    }
}

QString Tables::unitsOf(char16_t folded) const
{
    QString units;
    if (form[folded] == folded)
        units += QChar(folded);
    for (auto it = others.constFind(folded); it != others.cend() && it.key() == folded; ++it)
        units += QChar(*it);
    return units;
}

const Tables &tables()
{
    static const Tables built;
    return built;
}

char16_t unitAt(QStringView text, qsizetype at, qsizetype &span)
{
    return Reader(text).unitAt(at, span);
}

std::optional<TextMatch> find(QStringView text, QStringView what, qsizetype from)
{
    const std::vector<char16_t> wanted = looseUnits(Reader(what));
    const Reader reader(text);
    const char16_t first = wanted.front();
    qsizetype span = 0;
    // Matches start only where a loose unit starts, never on a mark joined to its kana.
    for (qsizetype at = from; at < text.size(); at += span) {
        if (reader.unitAt(at, span) != first)
            continue;
        const qsizetype end = matchEnd(reader, at, wanted);
        if (end >= 0)
            return TextMatch{at, end - at};
    }
    return std::nullopt;
}

} // namespace loose
