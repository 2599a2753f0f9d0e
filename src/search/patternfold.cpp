#include "search/patternfold.h"

#include "search/loosefold.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using loose::Tables;

QString escaped(char32_t c)
{
    return QStringLiteral("\\x{%1}").arg(uint(c), 0, 16);
}

QString setOf(QStringView units)
{
    if (units.size() == 1)
        return escaped(units.front().unicode());
    QString set = QStringLiteral("[");
    for (const QChar unit : units)
        set += escaped(unit.unicode());
    return set + u']';
}

// Every kana a mark joins with, as the text may spell it.
QString basesJoining(char16_t mark)
{
    const Tables &tables = loose::tables();
    QString bases;
    for (auto it = tables.voiced.cbegin(); it != tables.voiced.cend(); ++it) {
        if ((it.key() & 0xFFFF) == mark)
            bases += tables.unitsOf(char16_t(it.key() >> 16));
    }
    return bases;
}

// What the pattern's scanner is in: each group keeps the settings it started with, and
// (?i), (?x) change them up to the end of the group.
struct Scope {
    bool loose = false;
    bool extended = false;
    bool lookbehind = false;
};

// The characters of a character class, as ranges of code points.
struct ClassMembers {
    std::vector<std::pair<char32_t, char32_t>> ranges;

    void add(char32_t from, char32_t to) { ranges.emplace_back(from, std::max(from, to)); }
    bool covers(char32_t c) const
    {
        return std::any_of(ranges.begin(), ranges.end(),
                           [c](const auto &r) { return r.first <= c && c <= r.second; });
    }
};

bool isPatternSpace(QChar c)
{
    static const QString spaces = QStringLiteral(" \t\n\v\f\r\u0085\u200E\u200F\u2028\u2029");
    return spaces.contains(c);
}

class Rewriter {
public:
    Rewriter(QStringView pattern, bool loose) : p_(pattern) { scopes_.push_back({loose}); }
    FoldedPattern run();

private:
    QChar at(qsizetype ahead = 0) const
    {
        return at_ + ahead < p_.size() ? p_[at_ + ahead] : QChar();
    }
    bool isAt(QStringView what) const { return p_.sliced(at_).startsWith(what); }
    void copy(qsizetype count)
    {
        count = std::min(count, p_.size() - at_);
        out_ += p_.sliced(at_, count);
        at_ += count;
    }
    // Copies up to and including the first `end` from `skip` characters on, or the rest.
    void copyThrough(QChar end, qsizetype skip = 1)
    {
        const qsizetype found = p_.indexOf(end, at_ + skip);
        copy(found < 0 ? p_.size() : found - at_ + 1);
    }
    Scope &scope() { return scopes_.back(); }
    void open(Scope scope) { scopes_.push_back(scope); }

    void settings();
    void item();
    void escape();
    void quoted();
    void backreference();
    void group();
    void options();
    void characterClass();
    std::optional<char32_t> classCharacter(ClassMembers &members);
    QString looseVariants(const ClassMembers &members);
    qsizetype quantifierLength() const;
    void literal(bool asTyped);
    void character(char32_t c);
    void typedBreak();
    void lineBreak();
    QString looseAtom(char16_t folded);
    uint digits(int base, int most);
    char32_t code();

    QStringView p_;
    qsizetype at_ = 0;
    QString settings_;
    QString out_;
    std::vector<Scope> scopes_;
    FoldLimits limits_;
};

FoldedPattern Rewriter::run()
{
    settings();
    while (at_ < p_.size())
        item();
    return {settings_, out_, limits_};
}

// The start-of-pattern settings stay in front of everything the matcher adds.
void Rewriter::settings()
{
    static const QRegularExpression setting(QStringLiteral(
        R"(^\(\*(?:LIMIT_\w+=\d+|NO_\w+|NOTEMPTY(?:_ATSTART)?|UTF|UCP|CR|LF|CRLF|ANYCRLF|ANY|NUL|BSR_\w+)\))"));
    for (QRegularExpressionMatch m = setting.match(p_); m.hasMatch();
         m = setting.match(p_.sliced(at_))) {
        settings_ += m.captured();
        at_ += m.capturedLength();
    }
}

void Rewriter::item()
{
    const QChar c = at();
    if (scope().extended && isPatternSpace(c))
        return copy(1);
    // A comment goes: the matcher closes the pattern with its own markup after it.
    if (scope().extended && c == u'#') {
        const qsizetype end = p_.indexOf(u'\n', at_);
        at_ = end < 0 ? p_.size() : end;
        return;
    }
    switch (c.unicode()) {
    case u'\\':
        return escape();
    case u'[':
        return characterClass();
    case u'(':
        return group();
    case u')':
        copy(1);
        if (scopes_.size() > 1)
            scopes_.pop_back();
        return;
    case u'{':
        return quantifierLength() > 0 ? copy(quantifierLength()) : literal(true);
    case u'.':
    case u'^':
    case u'$':
    case u'|':
    case u'*':
    case u'+':
    case u'?':
        return copy(1);
    case u'\r':
    case u'\n':
        return typedBreak();
    default:
        return literal(true);
    }
}

// {n}, {n,} or {n,m}; any other brace is a literal character.
qsizetype Rewriter::quantifierLength() const
{
    qsizetype i = at_ + 1;
    const auto skipDigits = [&] {
        const qsizetype from = i;
        while (i < p_.size() && p_[i].isDigit() && p_[i].unicode() < 128)
            ++i;
        return i > from;
    };
    if (!skipDigits())
        return 0;
    if (i < p_.size() && p_[i] == u',') {
        ++i;
        skipDigits();
    }
    return i < p_.size() && p_[i] == u'}' ? i - at_ + 1 : 0;
}

void Rewriter::escape()
{
    const QChar next = at(1);
    switch (next.unicode()) {
    case 0:
        return copy(1);
    case u'Q':
        return quoted();
    case u'E':
        at_ += 2;
        return;
    case u'n':
        at_ += 2;
        return lineBreak();
    case u'x':
    case u'o':
    case u'0':
        return character(code());
    case u'N':
        return isAt(u"\\N{U+") ? character(code()) : copy(2);
    case u'c':
        return copy(3);
    case u'g':
    case u'k':
        return backreference();
    case u'p':
    case u'P':
        return at(2) == u'{' ? copyThrough(u'}') : copy(3);
    default:
        break;
    }
    if (next.unicode() < 128 && next.isLetterOrNumber()) {
        if (!next.isDigit())
            return copy(2);
        if (scope().loose)
            limits_ |= FoldLimit::Backreference;
        copy(1);
        while (at().isDigit())
            copy(1);
        return;
    }
    if (next.isHighSurrogate())
        return copy(3);
    at_ += 2;
    character(next.unicode());
}

void Rewriter::quoted()
{
    at_ += 2;
    while (at_ < p_.size() && !isAt(u"\\E")) {
        if (at() == u'\r' || at() == u'\n')
            typedBreak();
        else
            literal(false);
    }
    at_ = std::min(at_ + 2, p_.size());
}

// \g{1}, \g-1, \k<name> and the like; \g<name> and \g'name' call a group instead.
void Rewriter::backreference()
{
    const QChar open = at(2);
    const bool call = at(1) == u'g' && (open == u'<' || open == u'\'');
    if (open == u'{' || open == u'<' || open == u'\'') {
        copyThrough(open == u'{' ? u'}' : open == u'<' ? u'>' : u'\'', 3);
    } else {
        copy(at(2) == u'-' || at(2) == u'+' ? 3 : 2);
        while (at().isDigit())
            copy(1);
    }
    if (!call && scope().loose)
        limits_ |= FoldLimit::Backreference;
}

void Rewriter::group()
{
    if (at(1) == u'*') {
        qsizetype end = at_ + 2;
        while (end < p_.size() && (p_[end].isLetter() || p_[end] == u'_'))
            ++end;
        const QStringView name = p_.sliced(at_ + 2, end - at_ - 2);
        if (name.isEmpty() || !name.front().isLower() || end >= p_.size() || p_[end] != u':')
            return copyThrough(u')');
        copy(end - at_ + 1);
        const bool behind = name.contains(u"lb") || name.contains(u"lookbehind");
        return open({scope().loose, scope().extended, scope().lookbehind || behind});
    }
    if (at(1) != u'?') {
        copy(1);
        return open(scope());
    }
    const QChar kind = at(2);
    const QChar after = at(3);
    if (kind == u'#' || kind == u'&' || kind == u'R' || kind == u'C' || kind == u'+' ||
        kind.isDigit() || (kind == u'-' && after.isDigit()) ||
        (kind == u'P' && (after == u'>' || after == u'='))) {
        if (kind == u'P' && after == u'=' && scope().loose)
            limits_ |= FoldLimit::Backreference;
        return copyThrough(u')');
    }
    if (kind == u'<' && after != u'=' && after != u'!' && after != u'*') {
        copyThrough(u'>');
    } else if (kind == u'P' && after == u'<') {
        copyThrough(u'>');
    } else if (kind == u'\'') {
        copyThrough(u'\'', 3);
    } else if (kind == u'(') {
        copy(2);
        open(scope());
        if (after != u'?' && after != u'*')
            copyThrough(u')');
        return;
    } else if (QStringView(u":|>=!*<").contains(kind)) {
        const bool behind = kind == u'<';
        copy(behind ? 4 : 3);
        return open({scope().loose, scope().extended, scope().lookbehind || behind});
    } else {
        return options();
    }
    open(scope());
}

// (?i), (?-i:...), (?^x) and the like: of the options, i switches loose comparison and x
// makes white space and # comments part of the pattern's layout.
void Rewriter::options()
{
    Scope next = scope();
    bool on = true;
    qsizetype i = at_ + 2;
    for (; i < p_.size() && p_[i] != u')' && p_[i] != u':'; ++i) {
        const QChar c = p_[i];
        if (c == u'^')
            next.loose = next.extended = false;
        else if (c == u'-')
            on = false;
        else if (c == u'i')
            next.loose = on;
        else if (c == u'x')
            next.extended = on;
    }
    const bool scoped = i < p_.size() && p_[i] == u':';
    copy(i - at_ + 1);
    if (scoped)
        open(next);
    else
        scope() = next;
}

void Rewriter::characterClass()
{
    copy(1);
    if (at() == u'^')
        copy(1);
    ClassMembers members;
    for (bool first = true; at_ < p_.size() && (at() != u']' || first); first = false) {
        const std::optional<char32_t> from = classCharacter(members);
        if (!from)
            continue;
        std::optional<char32_t> to = from;
        if (at() == u'-' && at(1) != u']' && !at(1).isNull()) {
            copy(1);
            to = classCharacter(members).value_or(*from);
        }
        members.add(*from, *to);
    }
    if (scope().loose)
        out_ += looseVariants(members);
    // A class that takes LF takes CR too, so it takes every character of every line break.
    if (members.covers(u'\n') && !members.covers(u'\r'))
        out_ += QStringLiteral("\\r");
    copy(1);
}

// Copies one item of a class; its code point when it is a single character.
std::optional<char32_t> Rewriter::classCharacter(ClassMembers &members)
{
    const QChar c = at();
    const QChar next = at(1);
    if (c == u'[' && (next == u':' || next == u'.' || next == u'=')) {
        const qsizetype end = p_.indexOf(QString(next) + u']', at_ + 2);
        copy(end < 0 ? p_.size() : end - at_ + 2);
        return std::nullopt;
    }
    if (c.isHighSurrogate() && next.isLowSurrogate()) {
        copy(2);
        return QChar::surrogateToUcs4(c, next);
    }
    if (c != u'\\') {
        copy(1);
        return c.unicode();
    }
    static const QString controls = QStringLiteral("t\tn\nr\rf\fe\x1B"
                                                   "a\x07"
                                                   "b\b");
    const qsizetype control = controls.indexOf(next);
    if (control >= 0 && control % 2 == 0) {
        copy(2);
        return controls[control + 1].unicode();
    }
    const qsizetype start = at_;
    if (next == u'x' || next == u'o' || next.isDigit() || isAt(u"\\N{U+")) {
        const char32_t value = code();
        out_ += p_.sliced(start, at_ - start);
        return value;
    }
    if (next == u'Q') {
        const qsizetype end = p_.indexOf(u"\\E", at_ + 2);
        copy(end < 0 ? p_.size() : end - at_ + 2);
        for (const QChar member : p_.sliced(start + 2, std::max<qsizetype>(at_ - start - 4, 0)))
            members.add(member.unicode(), member.unicode());
        return std::nullopt;
    }
    if (next == u'p' || next == u'P') {
        at(2) == u'{' ? copyThrough(u'}') : copy(3);
        return std::nullopt;
    }
    copy(next.isHighSurrogate() ? 3 : 2);
    if (next.unicode() < 128 && next.isLetterOrNumber())
        return std::nullopt;
    return next.isHighSurrogate() ? std::nullopt : std::optional<char32_t>(next.unicode());
}

// The loose variants of a class's members that it does not hold already, as ranges.
QString Rewriter::looseVariants(const ClassMembers &members)
{
    const Tables &tables = loose::tables();
    std::vector<char16_t> extra;
    for (const auto &[from, to] : members.ranges) {
        for (char32_t c = from; c <= std::min<char32_t>(to, 0xFFFF); ++c) {
            const char16_t folded = tables.form[c];
            if (QChar::isSurrogate(c))
                continue;
            if (tables.partsOf.contains(folded))
                limits_ |= FoldLimit::VoicedKanaInClass;
            for (const QChar variant : tables.unitsOf(folded)) {
                if (!members.covers(variant.unicode()))
                    extra.push_back(variant.unicode());
            }
        }
    }
    std::sort(extra.begin(), extra.end());
    extra.erase(std::unique(extra.begin(), extra.end()), extra.end());
    QString added;
    for (std::size_t i = 0; i < extra.size();) {
        std::size_t last = i;
        while (last + 1 < extra.size() && extra[last + 1] == extra[last] + 1)
            ++last;
        added += escaped(extra[i]);
        if (last > i)
            added += u'-' + escaped(extra[last]);
        i = last + 1;
    }
    return added;
}

// Reads at most `most` digits of `base`, moving past them.
uint Rewriter::digits(int base, int most)
{
    uint value = 0;
    for (; most > 0 && at_ < p_.size(); --most, ++at_) {
        const int digit = QStringView(u"0123456789abcdef").indexOf(at().toLower());
        if (digit < 0 || digit >= base)
            break;
        value = value * uint(base) + uint(digit);
    }
    return value;
}

// The character of \x{…}, \xhh, \o{…}, \0oo, \ooo or \N{U+…}, moving past the escape.
char32_t Rewriter::code()
{
    const QChar kind = at(1);
    const bool braced = at(2) == u'{';
    at_ += kind == u'N' ? 5 : kind.isDigit() ? 1 : braced ? 3 : 2;
    const int base = kind == u'x' || kind == u'N' ? 16 : 8;
    const uint value = digits(base, braced || kind == u'N' ? 8 : kind == u'x' ? 2 : 3);
    if (braced || kind == u'N')
        ++at_;
    return value;
}

void Rewriter::literal(bool asTyped)
{
    if (at().isHighSurrogate() && at(1).isLowSurrogate()) {
        if (asTyped)
            return copy(2);
        at_ += 2;
        return character(QChar::surrogateToUcs4(at(-2), at(-1)));
    }
    if (!scope().loose) {
        if (asTyped)
            return copy(1);
        return character(p_[at_++].unicode());
    }
    qsizetype span = 0;
    const char16_t folded = loose::unitAt(p_, at_, span);
    at_ += span;
    out_ += looseAtom(folded);
}

void Rewriter::character(char32_t c)
{
    if (c > 0xFFFF || QChar::isSurrogate(c) || !scope().loose)
        out_ += escaped(c);
    else
        out_ += looseAtom(loose::tables().form[c]);
}

void Rewriter::typedBreak()
{
    at_ += at() == u'\r' && at(1) == u'\n' ? 2 : 1;
    lineBreak();
}

// A lookbehind must keep a fixed length: there, a break is one of its characters.
void Rewriter::lineBreak()
{
    out_ += scope().lookbehind ? QStringLiteral("[\\r\\n]") : QStringLiteral("(?:\\r\\n?|\\n)");
}

// Every way the text may spell one loose unit, as the literal search reads the text: a kana
// does not match the first half of the voiced kana it makes with a following mark, nor a mark
// the second half.
QString Rewriter::looseAtom(char16_t folded)
{
    const Tables &tables = loose::tables();
    const QString plain = setOf(tables.unitsOf(folded));
    QString atom = plain;
    if (Tables::isMark(folded))
        atom = QStringLiteral("(?<!%1)").arg(setOf(basesJoining(folded))) + atom;
    QString marks;
    for (const char16_t mark : {loose::VoicedMark, loose::SemiVoicedMark}) {
        if (tables.joined(folded, mark))
            marks += tables.unitsOf(mark);
    }
    if (!marks.isEmpty())
        atom += QStringLiteral("(?!%1)").arg(setOf(marks));
    if (const quint32 parts = tables.partsOf.value(folded)) {
        if (scope().lookbehind)
            limits_ |= FoldLimit::VoicedKanaInLookbehind;
        else
            atom += u'|' + setOf(tables.unitsOf(char16_t(parts >> 16))) +
                    setOf(tables.unitsOf(char16_t(parts & 0xFFFF)));
    }
    return atom == plain ? atom : QStringLiteral("(?:%1)").arg(atom);
}

} // namespace

FoldedPattern foldPattern(QStringView pattern, bool loose)
{
    return Rewriter(pattern, loose).run();
}
