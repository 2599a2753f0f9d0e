#include "search/loosefold.h"

#include <QChar>

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

char16_t Reader::unitAt(qsizetype at, qsizetype &span) const
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

} // namespace loose
