#pragma once

// Finding a string in a text, exactly or loosely. Loosely, upper and lower case, hiragana
// and katakana, and full-width and half-width forms compare equal, and a half-width kana
// followed by its half-width voiced or semi-voiced mark (ｶﾞ, ﾊﾟ) counts as the one voiced
// kana it stands for (ガ, が), so a match can be longer or shorter than the text searched
// for. A match is always given in positions of the text searched in, so that selecting it
// covers exactly the characters that matched. Widget-free; the find and replace commands
// are its only users.

#include <QStringView>

#include <optional>

enum class Comparison { Exact, Loose };

struct TextMatch {
    qsizetype start = 0;
    qsizetype length = 0;

    bool operator==(const TextMatch &) const = default;
};

// The first occurrence of `what` that starts at or after the 0-based offset `from`. An
// empty `what` matches nothing: every position would match it, and no caller wants that.
std::optional<TextMatch> findText(QStringView text, QStringView what, qsizetype from,
                                  Comparison comparison);
