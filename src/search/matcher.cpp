#include "search/matcher.h"

#include <QStringList>

#include <utility>

namespace {

// The library's message and where in the pattern it found the fault, counted from 1.
QString patternError(const QRegularExpression &expression)
{
    const QStringView before =
        QStringView(expression.pattern()).left(expression.patternErrorOffset());
    return QStringLiteral("正規表現が正しくありません：%1（%2 文字目）")
        .arg(expression.errorString())
        .arg(before.toUcs4().size() + 1);
}

// A match may neither start nor end between the CR and the LF of a line break.
const QString NotInLineBreak = QStringLiteral("(?!(?<=\\r)\\n)");

// The library checks the whole text for valid UTF-16 on every search unless told not to, which
// makes walking 24,000 matches of a 1 MB text take seconds instead of milliseconds. Texts come
// from the code-page decoders, which give no lone surrogates; one would at worst be read as
// half of a pair.
constexpr QRegularExpression::MatchOptions Unchecked =
    QRegularExpression::DontCheckSubjectStringMatchOption;

} // namespace

Matcher::Matcher(SearchQuery query) : query_(std::move(query))
{
    if (query_.regularExpression && !query_.pattern.isEmpty())
        compile();
}

void Matcher::compile()
{
    const bool loose = query_.comparison == Comparison::Loose;
    QRegularExpression::PatternOptions options =
        QRegularExpression::MultilineOption | QRegularExpression::UseUnicodePropertiesOption;
    if (loose)
        options |= QRegularExpression::CaseInsensitiveOption;
    // The user's own pattern first, for the library's words about it and the offset in it.
    const QRegularExpression typed(query_.pattern, options);
    if (!typed.isValid()) {
        error_ = patternError(typed);
        return;
    }
    const FoldedPattern folded = foldPattern(query_.pattern, loose);
    limits_ = folded.limits;
    expression_ = QRegularExpression(QStringLiteral("(*NOTEMPTY)(*ANYCRLF)") + folded.settings +
                                         NotInLineBreak + QStringLiteral("(?:") + folded.pattern +
                                         u')' + NotInLineBreak,
                                     options);
    if (!expression_.isValid())
        error_ = patternError(expression_);
}

QString Matcher::foldNote() const
{
    QStringList notes;
    if (limits_ & FoldLimit::Backreference)
        notes << QStringLiteral("後方参照は、カナ・ひらがなと全角・半角を区別します。");
    if (limits_ & FoldLimit::VoicedKanaInClass)
        notes << QStringLiteral("[ ] の中の濁音・半濁音は、半角（ｶﾞ、ﾊﾟ）に一致しません。");
    if (limits_ & FoldLimit::VoicedKanaInLookbehind)
        notes << QStringLiteral("後読みの中の濁音・半濁音は、半角（ｶﾞ、ﾊﾟ）に一致しません。");
    return notes.join(QString());
}

std::optional<TextMatch> Matcher::find(QStringView text, qsizetype from) const
{
    if (!query_.regularExpression)
        return findText(text, query_.pattern, from, query_.comparison);
    from = std::max<qsizetype>(from, 0);
    if (!isValid() || query_.pattern.isEmpty() || from >= text.size())
        return std::nullopt;
    const QRegularExpressionMatch match =
        expression_.match(text, from, QRegularExpression::NormalMatch, Unchecked);
    if (!match.hasMatch())
        return std::nullopt;
    return TextMatch{match.capturedStart(), match.capturedLength()};
}

QString Matcher::replacement(QStringView text, const TextMatch &match, const QString &with,
                             QStringView lineBreak) const
{
    if (!query_.regularExpression)
        return with;
    const QRegularExpressionMatch found =
        expression_.match(text, match.start, QRegularExpression::NormalMatch,
                          QRegularExpression::AnchorAtOffsetMatchOption | Unchecked);
    QString written;
    for (qsizetype i = 0; i < with.size(); ++i) {
        const QChar c = with[i];
        const QChar next = i + 1 < with.size() ? with[i + 1] : QChar();
        const int group = next.unicode() >= u'0' && next.unicode() <= u'9' ? next.digitValue() : -1;
        const bool reference = (c == u'$' && group >= 0) || (c == u'\\' && group > 0);
        if (reference && group <= expression_.captureCount()) {
            written += found.capturedView(group);
            ++i;
        } else if (c == u'\\' && QStringView(u"nt\\$").contains(next)) {
            written += next == u'n'   ? lineBreak
                       : next == u't' ? QStringView(u"\t")
                                      : QStringView(&next, 1);
            ++i;
        } else {
            written += c;
        }
    }
    return written;
}
