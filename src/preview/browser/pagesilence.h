#pragma once

// Tells when a page has stopped answering: a script that never ends holds the page's
// renderer, and the preview would go on showing what it showed before with no sign of why.
// The page is asked a trivial question at every tick (every half second); a question left
// unanswered for two seconds makes the page silent, until an answer comes. The clock is
// the caller's, so that the rule can be checked without waiting.

#include <QtGlobal>
#include <optional>

class PageSilence {
public:
    static constexpr int TickMs = 500;
    static constexpr qint64 SilentAfterMs = 2000;

    // The question to put to the page at `nowMs`, if a new one is due (none while one waits).
    std::optional<quint64> tick(qint64 nowMs);
    // The page answered `question`; an answer to a forgotten question counts for nothing.
    void answered(quint64 question);
    // The question waiting no longer counts: the page or its renderer has been replaced.
    void forget();

    bool silent() const { return silent_; }

private:
    quint64 question_ = 0;
    std::optional<qint64> askedAt_;
    bool silent_ = false;
};
