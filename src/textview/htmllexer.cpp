#include "textview/htmllexer.h"

#include <algorithm>

namespace HtmlLexer {
namespace {

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return isAsciiLetter(c) || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_' || u == u':' ||
           u == u'.';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

// One line read from a state on; each read* step starts at `at` and moves it on.
class Reader {
public:
    Reader(QStringView line, State state, std::vector<Span> *spans)
        : line_(line), state_(state), spans_(spans)
    {
    }

    State run()
    {
        while (at_ < line_.size())
            step();
        return state_;
    }

private:
    void step()
    {
        switch (state_.mode) {
        case State::Text:
            return readText();
        case State::InTag:
        case State::AfterName:
            return readInTag();
        case State::BeforeValue:
            return readValue();
        case State::DoubleQuoted:
            return readQuoted(u'"');
        case State::SingleQuoted:
            return readQuoted(u'\'');
        case State::InComment:
            return readComment();
        case State::InDeclaration:
            return readDeclaration();
        case State::InScript:
            return readRaw(u"</script");
        case State::InStyle:
            return readRaw(u"</style");
        }
    }

    void addSpan(qsizetype start, Kind kind)
    {
        if (spans_ && at_ > start)
            spans_->push_back({int(start), int(at_ - start), kind});
    }

    QChar at(qsizetype i) const { return i < line_.size() ? line_[i] : QChar(); }

    bool startsWithAt(QStringView word) const
    {
        return line_.sliced(at_).startsWith(word, Qt::CaseInsensitive);
    }

    void readText()
    {
        while (at_ < line_.size() && line_[at_] != u'<' && line_[at_] != u'&')
            ++at_;
        if (at_ == line_.size())
            return;
        if (line_[at_] == u'&')
            return readReference();
        readMarkupStart();
    }

    void readReference()
    {
        const qsizetype start = at_++;
        qsizetype end = at_;
        if (at(end) == u'#') {
            const bool hex = at(end + 1) == u'x' || at(end + 1) == u'X';
            qsizetype digits = end + (hex ? 2 : 1);
            while (digits < line_.size() &&
                   (hex ? isHexDigit(line_[digits]) : line_[digits].isDigit()))
                ++digits;
            end = digits > end + (hex ? 2 : 1) ? digits : start + 1;
        } else if (isAsciiLetter(at(end))) {
            while (end < line_.size() && (isAsciiLetter(line_[end]) || line_[end].isDigit()))
                ++end;
        }
        if (end == start + 1)
            return; // a lone "&" is text
        at_ = at(end) == u';' ? end + 1 : end;
        addSpan(start, Kind::Reference);
    }

    void readMarkupStart()
    {
        const qsizetype start = at_;
        if (startsWithAt(u"<!--")) {
            at_ += 4;
            state_ = {State::InComment, State::NoRaw, 0};
            return readComment(start);
        }
        if (at(at_ + 1) == u'!' || at(at_ + 1) == u'?') {
            state_.mode = State::InDeclaration;
            return readDeclaration();
        }
        const bool endTag = at(at_ + 1) == u'/';
        if (!isAsciiLetter(at(at_ + (endTag ? 2 : 1)))) {
            ++at_; // a "<" that starts no tag is text
            return;
        }
        at_ += endTag ? 2 : 1;
        const qsizetype nameStart = at_;
        while (at_ < line_.size() && isNameChar(line_[at_]))
            ++at_;
        const QStringView name = line_.sliced(nameStart, at_ - nameStart);
        state_.raw = State::NoRaw;
        if (!endTag && name.compare(u"script", Qt::CaseInsensitive) == 0)
            state_.raw = State::Script;
        if (!endTag && name.compare(u"style", Qt::CaseInsensitive) == 0)
            state_.raw = State::Style;
        state_.mode = State::InTag;
        addSpan(start, Kind::TagName);
    }

    void readInTag()
    {
        const QChar c = line_[at_];
        if (isBlank(c)) {
            ++at_;
        } else if (c == u'>' || (c == u'/' && at(at_ + 1) == u'>')) {
            const qsizetype start = at_;
            at_ += c == u'>' ? 1 : 2;
            addSpan(start, Kind::TagName);
            closeTag(c == u'/');
        } else if (c == u'=' && state_.mode == State::AfterName) {
            ++at_;
            state_.mode = State::BeforeValue;
        } else {
            const qsizetype start = at_++;
            while (at_ < line_.size() && !isBlank(line_[at_]) && line_[at_] != u'>' &&
                   line_[at_] != u'=' && !(line_[at_] == u'/' && at(at_ + 1) == u'>'))
                ++at_;
            addSpan(start, Kind::AttributeName);
            state_.mode = State::AfterName;
        }
    }

    void closeTag(bool selfClosing)
    {
        const State::RawElement raw = selfClosing ? State::NoRaw : state_.raw;
        state_.raw = State::NoRaw;
        state_.mode = raw == State::Script  ? State::InScript
                      : raw == State::Style ? State::InStyle
                                            : State::Text;
    }

    void readValue()
    {
        const QChar c = line_[at_];
        if (isBlank(c)) {
            ++at_;
            return;
        }
        if (c == u'"' || c == u'\'') {
            const qsizetype start = at_++;
            state_.mode = c == u'"' ? State::DoubleQuoted : State::SingleQuoted;
            return readQuoted(c.unicode(), start);
        }
        if (c == u'>') {
            state_.mode = State::InTag;
            return;
        }
        const qsizetype start = at_;
        while (at_ < line_.size() && !isBlank(line_[at_]) && line_[at_] != u'>')
            ++at_;
        addSpan(start, Kind::AttributeValue);
        state_.mode = State::InTag;
    }

    void readQuoted(char16_t quote, qsizetype start = -1)
    {
        if (start < 0)
            start = at_;
        const qsizetype end = line_.sliced(at_).indexOf(QChar(quote));
        at_ = end < 0 ? line_.size() : at_ + end + 1;
        if (end >= 0)
            state_.mode = State::InTag;
        addSpan(start, Kind::AttributeValue);
    }

    void readComment(qsizetype start = -1)
    {
        if (start < 0)
            start = at_;
        for (; at_ < line_.size(); ++at_) {
            const QChar c = line_[at_];
            if (c == u'>' && state_.dashes >= 2) {
                ++at_;
                state_ = {};
                break;
            }
            state_.dashes = c == u'-' ? std::uint8_t(std::min(state_.dashes + 1, 2)) : 0;
        }
        addSpan(start, Kind::Comment);
    }

    void readDeclaration()
    {
        const qsizetype start = at_;
        const qsizetype end = line_.sliced(at_).indexOf(u'>');
        at_ = end < 0 ? line_.size() : at_ + end + 1;
        if (end >= 0)
            state_.mode = State::Text;
        addSpan(start, Kind::Declaration);
    }

    // Script or style content: plain up to the element's end tag.
    void readRaw(QStringView endTag)
    {
        const qsizetype end = line_.sliced(at_).indexOf(endTag, 0, Qt::CaseInsensitive);
        if (end < 0) {
            at_ = line_.size();
            return;
        }
        at_ += end;
        state_.mode = State::Text;
        readMarkupStart();
    }

    QStringView line_;
    State state_;
    std::vector<Span> *spans_;
    qsizetype at_ = 0;
};

} // namespace

State lex(QStringView line, State state, std::vector<Span> *spans)
{
    return Reader(line, state, spans).run();
}

// The page is read in stretches that end at the offsets. Every piece of markup the reader
// looks for is ASCII, which no character that needs a reference is, so a stretch never ends
// inside one.
bool anyWhereReferencesAreNotRead(QStringView text, std::span<const qsizetype> offsets)
{
    State state;
    qsizetype read = 0;
    for (const qsizetype offset : offsets) {
        state = lex(text.sliced(read, offset - read), state, nullptr);
        read = offset;
        if (state.mode == State::InComment || state.mode == State::InScript ||
            state.mode == State::InStyle)
            return true;
    }
    return false;
}

} // namespace HtmlLexer
